#include "printing/FixedDialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace cw::printing {

FixedDialog::FixedDialog(QWidget* parent)
    : QDialog(parent) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void FixedDialog::fixSize() {
    adjustSize();
    setFixedSize(size());
}

void FixedDialog::showCentred() {
    centreOnDesktop();
    show();
    raise();
    activateWindow();
}

QDialog::DialogCode FixedDialog::execCentred() {
    centreOnDesktop();
    return static_cast<DialogCode>(exec());
}

void FixedDialog::centreOnDesktop() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

} // namespace cw::printing
