#include "helpwindows/AboutBox.h"

#include "helpwindows/LinkLabel.h"
#include "helpwindows/SmallWindowParts.h"
#include "platform/MakerValues.h"
#include "resources/ResourcePaths.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace cw::helpwindows {

AboutBox::AboutBox(const QString& productName, const QString& version, const QString& buildDate,
                   QWidget* parent)
    : QDialog(parent) {
    fixWindow(*this, "TAboutBox", tr("About"), QSize(298, 218));
    setModal(true);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 281, 161);
    // Raised inside a lowered edge: an etched frame.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QPixmap(resources::path(resources::kAboutIcon)));
    icon->setGeometry(8, 8, resources::kAboutIcon.width, resources::kAboutIcon.height);
    icon->setAccessibleName(productName);

    const QFont sans = sansPixels(11);
    const auto centred = [&](const char* name, const QString& text, int left, int top, int width) {
        QLabel* label = placedLabel(*panel, text, QRect(left, top, width, 0), sans,
                                    Qt::AlignHCenter | Qt::AlignTop);
        label->setObjectName(QLatin1StringView(name));
        label->setFixedSize(width, label->sizeHint().height());
    };
    centred("ProductName", productName, 10, 24, 261);
    centred("Version", tr("Version ") + version, 10, 48, 261);
    centred("labelversion", tr("Build ") + buildDate, 16, 72, 249);

    const QString site = platform::makerValues().webSiteAddress;
    auto* website = new LinkLabel(site, site, sans, panel);
    website->setObjectName(QStringLiteral("Website"));
    website->setToolTip(tr("Website will load in currently open browser window, if one exists."));
    website->adjustSize();
    // Centred in the panel, at the designed top.
    website->move((panel->width() - website->width()) / 2, 120);

    QPushButton* ok = placedButton(*this, "OKButton", tr("OK"), {111, 188}, {75, 25});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::showModal() {
    showCentred(*this);
    exec();
}

} // namespace cw::helpwindows
