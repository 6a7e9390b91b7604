#include "helpwindows/SplashScreen.h"

#include "helpwindows/SmallWindowParts.h"
#include "resources/ResourcePaths.h"

#include <QLabel>
#include <QPainter>

namespace cw::helpwindows {

namespace {

constexpr QSize kSize(393, 252);

// The picture is a row shorter than the window; the row below it stays white.
QPixmap splashPicture() {
    QPixmap pixmap(kSize);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.drawPixmap(0, 0, QPixmap(resources::path(resources::kSplash)));
    return pixmap;
}

} // namespace

SplashScreen::SplashScreen(const QString& productName, const QString& version)
    : QSplashScreen(splashPicture()) {
    setObjectName(QStringLiteral("TFormSplash"));
    setFixedSize(kSize);
    // Times New Roman is Liberation Serif here.
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setPixelSize(21);
    serif.setBold(true);
    const auto line = [&](const QString& text, int top) {
        QLabel* label = placedLabel(*this, text, QRect(0, top, kSize.width(), 0), serif,
                                    Qt::AlignHCenter | Qt::AlignTop);
        label->setFixedWidth(kSize.width());
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(red);
    };
    line(productName, 50);
    line(tr("Version ") + version, 114);
}

void SplashScreen::showAndPaint() {
    show();
    repaint();
}

} // namespace cw::helpwindows
