#include "export/XmlCharacters.h"

namespace cw::exports {

bool isXmlCharacter(char32_t c) {
    if (c < 0x20)
        return c == U'\t' || c == U'\n' || c == U'\r';
    return (c < 0xD800 || c > 0xDFFF) && c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

QString withXmlCharactersOnly(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    forEachXmlCharacter(text, [&kept](char32_t c) {
        if (QChar::requiresSurrogates(c)) {
            kept += QChar(QChar::highSurrogate(c));
            kept += QChar(QChar::lowSurrogate(c));
        } else {
            kept += QChar(static_cast<char16_t>(c));
        }
    });
    return kept;
}

} // namespace cw::exports
