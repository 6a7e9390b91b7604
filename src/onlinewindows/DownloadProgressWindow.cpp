#include "onlinewindows/DownloadProgressWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <limits>

namespace cw::onlinewindows {

namespace {

constexpr QSize kClientSize(368, 126);

} // namespace

DownloadProgressWindow::DownloadProgressWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_bar(new QProgressBar(this))
    , m_label(new QLabel(this))
    , m_cancel(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("TFormprogress"));
    setWindowTitle(tr("Downloading..."));
    setFixedSize(kClientSize);

    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setGeometry(109, 24, 150, 16);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(tr("Download progress"));

    m_label->setObjectName(QStringLiteral("Label999"));
    m_label->setGeometry(0, 58, 368, 17);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setTextFormat(Qt::PlainText);

    m_cancel->setObjectName(QStringLiteral("Button1"));
    m_cancel->setGeometry(144, 96, 75, 25);
    m_cancel->setAccessibleName(m_cancel->text());
    connect(m_cancel, &QPushButton::clicked, this, &DownloadProgressWindow::Button1Click);
}

QString DownloadProgressWindow::progressText(qint64 bytesSoFar, qint64 expectedBytes) {
    if (expectedBytes < 1)
        return tr("%1 Bytes").arg(bytesSoFar);
    return tr("%1%(%2 of %3 Bytes)")
        .arg(bytesSoFar * 100 / expectedBytes)
        .arg(bytesSoFar)
        .arg(expectedBytes);
}

void DownloadProgressWindow::begin(qint64 expectedBytes) {
    m_expected = expectedBytes;
    m_bytesPerStep = 1;
    while (expectedBytes / m_bytesPerStep > std::numeric_limits<int>::max())
        m_bytesPerStep *= 1024;
    // A range of 0 to 0 is Qt's busy bar.
    m_bar->setRange(0, expectedBytes < 1 ? 0 : static_cast<int>(expectedBytes / m_bytesPerStep));
    m_bar->setValue(0);
    m_label->clear();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, kClientSize,
                                        screen->availableGeometry()));
    show();
    raise();
}

void DownloadProgressWindow::showProgress(qint64 bytesSoFar) {
    if (m_expected > 0)
        m_bar->setValue(static_cast<int>(std::min(bytesSoFar, m_expected) / m_bytesPerStep));
    m_label->setText(progressText(bytesSoFar, m_expected));
}

QString DownloadProgressWindow::labelText() const {
    return m_label->text();
}

void DownloadProgressWindow::Button1Click() {
    hide();
    emit cancelRequested();
}

void DownloadProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    Button1Click();
}

} // namespace cw::onlinewindows
