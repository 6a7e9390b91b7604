#pragma once

// TFormprogress: how far the installer's download has come, with Cancel. It stays above the
// other windows and has no close box; the rest of the program goes on answering while it is
// up. Made once and hidden; a download shows it when its answer begins and hides it when the
// transfer ends.

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace cw::onlinewindows {

class DownloadProgressWindow : public QWidget {
    Q_OBJECT

public:
    explicit DownloadProgressWindow(QWidget* parent = nullptr);

    // "50%(5000 of 10000 Bytes)"; without a known size (expected below 1) "5000 Bytes".
    static QString progressText(qint64 bytesSoFar, qint64 expectedBytes);

    // Shown, centred on the screen, the bar at 0 of expectedBytes; a busy bar when the size is
    // not known.
    void begin(qint64 expectedBytes);
    void showProgress(qint64 bytesSoFar);
    QString labelText() const;
    // Button1Click: hides the window and says so.
    void Button1Click();

signals:
    void cancelRequested();

protected:
    // Alt+F4 and the like count as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* m_bar;
    QLabel* m_label;
    QPushButton* m_cancel;
    qint64 m_expected = 0;
    // Bytes a step of the bar, so that sizes beyond its int range still fit.
    qint64 m_bytesPerStep = 1;
};

} // namespace cw::onlinewindows
