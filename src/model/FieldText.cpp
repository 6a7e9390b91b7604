#include "model/FieldText.h"

#include <algorithm>

namespace cw::model {

namespace {

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

QString asSingleLine(const QString& text, qsizetype* position) {
    if (std::none_of(text.begin(), text.end(), isLineBreak))
        return text;
    const qsizetype oldPosition = position ? *position : -1;
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == oldPosition)
            *position = line.size();
        if (!isLineBreak(text[i])) {
            line += text[i];
            continue;
        }
        line += u' ';
        // CR LF is one line break; a position between its two characters goes after the blank.
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
            if (i == oldPosition)
                *position = line.size();
        }
    }
    if (oldPosition >= text.size())
        *position = line.size();
    return line;
}

} // namespace cw::model
