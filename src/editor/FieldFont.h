#pragma once

#include <QFont>

namespace cw::editor {

// Courier New 8 pt, as the form's field texts are shown; fontconfig puts Liberation Mono,
// which has the same metrics, in its place where Courier New is not installed.
QFont fieldFont();

} // namespace cw::editor
