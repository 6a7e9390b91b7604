#include "helpwindows/FillingHelpWindow.h"

#include "helpwindows/SmallWindowParts.h"

namespace cw::helpwindows {

FillingHelpWindow::FillingHelpWindow(QWidget* parent)
    : QDialog(parent) {
    fixWindow(*this, "Tformhelpfilling", tr("Help"), QSize(342, 263));
    placedLabel(*this,
                tr("The instructions that pop up when you move your mouse over the \"Help\" "
                   "buttons on the on the form are specific to Medicare Part A claims. If you "
                   "are billing an insurance company, the instructions may differ. The best way "
                   "to obtain instructions for a specific insurance company is to contact them "
                   "by phone or search their web site."),
                QRect(32, 32, 287, 112), sansPixels(13), Qt::AlignHCenter | Qt::AlignTop, true);
    hidingButton(*this, "Button1", tr("Back"), {50, 197}, [this] { emit backChosen(); });
    hidingButton(*this, "buttonexithelp", tr("Exit Help"), {194, 197});
}

} // namespace cw::helpwindows
