#pragma once

// Claim text inside XML 1.0. A claim file edited by hand can carry control characters that no
// XML document may hold; the exports write each of them as a blank, so that every file they
// make stays well-formed.

#include <QString>
#include <QStringView>

namespace cw::exports {

// Tab, the line breaks, and everything from U+0020 on but the surrogates, U+FFFE and U+FFFF.
bool isXmlCharacter(char32_t c);

// Calls visit with each code point of the text in turn (a surrogate pair as one), with every
// character XML 1.0 does not allow, a lone surrogate too, given as a blank.
template <typename Visit>
void forEachXmlCharacter(QStringView text, Visit&& visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        visit(isXmlCharacter(c) ? c : U' ');
    }
}

// The text with every character XML 1.0 does not allow as a blank.
QString withXmlCharactersOnly(QStringView text);

} // namespace cw::exports
