#include "editor/FieldFont.h"

namespace cw::editor {

QFont fieldFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(8);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace cw::editor
