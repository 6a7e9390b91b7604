#pragma once

// The pictures the main window carries, from the compiled-in resources. Toolbar pictures come
// from the desktop's icon theme where it has a fitting icon.

#include <QIcon>
#include <QPixmap>

namespace cw::editor {

enum class ToolbarPicture {
    NewForm,
    Open,
    Save,
    PrintMode,
    Print,
    BatchPrinting,
    FrequentlyAskedQuestions
};

// The UB-04 form as the screen shows it, 762 x 986, sharp on high-density screens too.
QPixmap formPicture();
QPixmap hintIconPicture();
QPixmap revenueRowMarkerPicture();
QIcon toolbarIcon(ToolbarPicture picture);

} // namespace cw::editor
