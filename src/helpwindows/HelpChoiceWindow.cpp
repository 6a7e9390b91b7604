#include "helpwindows/HelpChoiceWindow.h"

#include "helpwindows/SmallWindowParts.h"

#include <QPushButton>

namespace cw::helpwindows {

HelpChoiceWindow::HelpChoiceWindow(QWidget* parent)
    : QDialog(parent) {
    fixWindow(*this, "TFormHelp", tr("Help"), QSize(270, 265));
    const QFont sans = sansPixels(13);

    QPushButton* filling =
        hidingButton(*this, "Button3", tr("I need help on filling out the UB-04."), {15, 24},
                     [this] { emit fillingHelpChosen(); }, {241, 41});
    filling->setFont(sans);
    placedLabel(*this, tr("OR"), QRect(125, 80, 0, 0), sansPixels(13, true));
    const QString programText =
        tr("I already know how to fill out the UB-04, and I need help on using this program.");
    QPushButton* program = hidingButton(*this, "Button2", programText, {15, 112},
                                        [this] { emit programHelpChosen(); }, {241, 57});
    program->setFont(sans);
    program->setText(wrappedText(programText, sans, 241 - 16));
    hidingButton(*this, "buttonexithelp", tr("Exit Help"), {91, 208});
}

} // namespace cw::helpwindows
