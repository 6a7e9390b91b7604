#pragma once

// A claim field's value is one line of text: the claim file keeps one value a line, so a line
// break inside a value would shift every later field by a line.

#include <QString>

namespace cw::model {

// The text with each line break (CR LF, CR, LF, U+2028, U+2029) turned into one blank. When
// position is given, it is moved along so that it stays before the same character.
QString asSingleLine(const QString& text, qsizetype* position = nullptr);

} // namespace cw::model
