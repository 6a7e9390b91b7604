#include "printdialogs/FixedDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>

namespace cw::printdialogs {

FixedDialog::FixedDialog(QWidget* parent)
    : QDialog(parent) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

QLayout* FixedDialog::okCancelRow(const char* okName, const char* cancelName,
                                  const std::function<void()>& onOk,
                                  const std::function<void()>& onCancel) {
    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QLatin1StringView(okName));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QLatin1StringView(cancelName));
    connect(ok, &QPushButton::clicked, this, onOk);
    connect(cancel, &QPushButton::clicked, this, onCancel);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
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

} // namespace cw::printdialogs
