#pragma once

// How far a batch run has come: which claim prints now, a bar, and Stop, which ends the run
// once the claim being printed is done. The run shows it without waiting and lets events
// through between claims; while it is up, the other windows take no input.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace cw::printdialogs {

class BatchProgressWindow : public QDialog {
    Q_OBJECT

public:
    explicit BatchProgressWindow(QWidget* parent = nullptr);

    // "Printing claim 3 of 40: <file name>", the bar at the claims done before it.
    void showClaim(int number, int count, const QString& fileName);
    bool isStopRequested() const { return m_stopRequested; }

    // Stop, Escape and the close box: the run ends after the claim being printed, and the
    // window stays until then.
    void reject() override;

private:
    QLabel* m_claim;
    QProgressBar* m_bar;
    QPushButton* m_stop;
    bool m_stopRequested = false;
};

} // namespace cw::printdialogs
