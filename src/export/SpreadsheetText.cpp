#include "export/SpreadsheetText.h"

#include "export/XmlCharacters.h"

namespace cw::exports {

namespace {

constexpr qsizetype kEscapeLength = 7; // "_x0041_"

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool isEscapeAt(QStringView text, qsizetype i) {
    if (i + kEscapeLength > text.size() || text[i] != u'_' || text[i + 1] != u'x' ||
        text[i + kEscapeLength - 1] != u'_')
        return false;
    for (qsizetype d = i + 2; d < i + kEscapeLength - 1; ++d)
        if (!isHexDigit(text[d]))
            return false;
    return true;
}

} // namespace

QString stringItemText(const XmlPart& part, const pugi::xml_node& item) {
    const std::string t = part.qualified("t");
    const std::string run = part.qualified("r");
    if (const pugi::xml_node plain = item.child(t.c_str()))
        return decodedSpreadsheetText(textOf(plain));
    QString text;
    for (const pugi::xml_node& piece : item.children(run.c_str()))
        text += textOf(piece.child(t.c_str()));
    return decodedSpreadsheetText(text);
}

QString decodedSpreadsheetText(QStringView stored) {
    if (!stored.contains(u"_x"))
        return stored.toString();
    QString text;
    text.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (isEscapeAt(stored, i)) {
            text += QChar(static_cast<char16_t>(stored.sliced(i + 2, 4).toUInt(nullptr, 16)));
            i += kEscapeLength - 1;
        } else {
            text += stored[i];
        }
    }
    return text;
}

QString encodedSpreadsheetText(QStringView text) {
    QString safe = withXmlCharactersOnly(text);
    if (!safe.contains(u"_x"))
        return safe;
    QString encoded;
    encoded.reserve(safe.size() + kEscapeLength);
    for (qsizetype i = 0; i < safe.size(); ++i) {
        if (isEscapeAt(safe, i))
            encoded += QStringLiteral("_x005F");
        encoded += safe[i];
    }
    return encoded;
}

} // namespace cw::exports
