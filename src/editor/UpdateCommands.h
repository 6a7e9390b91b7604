#pragma once

// Help > Check For New Version: asks the main server whether a newer release exists, offers
// to download it, shows the download in the download window (made here, hidden, with the main
// window) and, once the installer is on disk, closes the main window through its normal path
// and hands the installer to the desktop's handler for its type. The program never runs the
// installer itself; the system's package installer asks before anything is installed.

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace cw::model {
class ClaimDocument;
}

namespace cw::onlinewindows {
class DownloadProgressWindow;
}

namespace cw::editor {

class UserDialogs;

class UpdateCommands : public QObject {
    Q_OBJECT

public:
    struct Context {
        model::ClaimDocument& document;
        UserDialogs& dialogs;
        QWidget& mainWindow;
        // The preferences file path of this run: where the installer goes.
        QString preferencesFilePath;
    };

    UpdateCommands(Context context, QObject* parent = nullptr);

    void CheckForNewVersion1Click();

    onlinewindows::DownloadProgressWindow& progressWindow() const { return *m_progress; }
    // What hands the installer on; the desktop's handler for its type unless replaced.
    void setInstallerOpener(std::function<void(const QString& path)> opener);

private:
    void downloadAndInstall();
    QString installerFolder() const;

    Context m_context;
    onlinewindows::DownloadProgressWindow* m_progress;
    std::function<void(const QString& path)> m_openInstaller;
    bool m_checking = false;
};

} // namespace cw::editor
