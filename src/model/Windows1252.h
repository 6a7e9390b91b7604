#pragma once

// Claim files, the preference text and INI files are 8-bit Windows-1252 text. The five byte
// values that Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the
// same number, so every byte 0-255 decodes to a character and encodes back to itself.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace cw::model {

class Windows1252 {
public:
    static QString decode(QByteArrayView bytes);

    static bool canEncode(QChar c);
    // Position of the first character that Windows-1252 cannot hold, or -1.
    static qsizetype firstUnencodable(QStringView text);
    // Only for text that firstUnencodable accepts; others would lose characters.
    static QByteArray encode(QStringView text);

    // "“☃” (U+2603)": a character as the user is told about it; a surrogate pair counts as one.
    static QString describeCharacterAt(QStringView text, qsizetype position);
};

} // namespace cw::model
