#include "helpwindows/ProgramHelpWindow.h"

#include "helpwindows/LinkLabel.h"
#include "helpwindows/SmallWindowParts.h"
#include "platform/MakerValues.h"

namespace cw::helpwindows {

ProgramHelpWindow::ProgramHelpWindow(QWidget* parent)
    : QDialog(parent) {
    fixWindow(*this, "Tformhelpprogram", tr("Help"), QSize(306, 217));
    placedLabel(*this, tr("For help on using this program, please email us:"),
                QRect(72, 35, 150, 32), sansPixels(13), Qt::AlignHCenter | Qt::AlignTop, true);
    const QString address = platform::makerValues().supportEmail;
    auto* email = new LinkLabel(address, QStringLiteral("mailto:") + address, font(), this);
    email->setObjectName(QStringLiteral("email"));
    email->move(89, 90);
    email->adjustSize();
    placedLabel(*this, tr("(clicking this link will open your email program)"),
                QRect(42, 133, 0, 0), sansPixels(11));
    hidingButton(*this, "Button1", tr("Back"), {28, 180}, [this] { emit backChosen(); });
    hidingButton(*this, "buttonexithelp", tr("Exit Help"), {188, 180});
}

} // namespace cw::helpwindows
