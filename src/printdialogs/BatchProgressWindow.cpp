#include "printdialogs/BatchProgressWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::printdialogs {

namespace {

constexpr int kClaimWidth = 400;

} // namespace

BatchProgressWindow::BatchProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("BatchProgressWindow"));
    setWindowTitle(tr("Batch Printing"));
    setWindowModality(Qt::ApplicationModal);

    m_claim = new QLabel(this);
    m_claim->setObjectName(QStringLiteral("LabelClaim"));
    m_claim->setTextFormat(Qt::PlainText);
    // One line, whatever it says: the window keeps its size.
    m_claim->setFixedSize(kClaimWidth, m_claim->fontMetrics().height());
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar"));
    m_bar->setAccessibleName(tr("Claims printed"));
    m_stop = new QPushButton(tr("Stop"), this);
    m_stop->setObjectName(QStringLiteral("BtnStop"));
    m_stop->setAutoDefault(false);
    connect(m_stop, &QPushButton::clicked, this, &BatchProgressWindow::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_stop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_claim);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void BatchProgressWindow::showClaim(int number, int count, const QString& fileName) {
    const QString text = tr("Printing claim %1 of %2: %3").arg(number).arg(count).arg(fileName);
    // A long name is shortened in its middle; the whole line stays in the tooltip.
    m_claim->setText(m_claim->fontMetrics().elidedText(text, Qt::ElideMiddle, kClaimWidth));
    m_claim->setToolTip(text);
    m_bar->setRange(0, count);
    m_bar->setValue(number - 1);
}

void BatchProgressWindow::reject() {
    m_stopRequested = true;
    m_stop->setEnabled(false);
    m_stop->setText(tr("Stopping..."));
}

} // namespace cw::printdialogs
