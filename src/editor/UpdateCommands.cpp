#include "editor/UpdateCommands.h"

#include "editor/UserDialogs.h"
#include "model/ClaimDocument.h"
#include "online/UpdateDownload.h"
#include "online/VersionCheck.h"
#include "onlinewindows/DownloadProgressWindow.h"
#include "prefs/PreferencesFolders.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QScopeGuard>
#include <QUrl>
#include <QWidget>

namespace cw::editor {

UpdateCommands::UpdateCommands(Context context, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
    , m_progress(new onlinewindows::DownloadProgressWindow(&m_context.mainWindow))
    , m_openInstaller(
          [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }) {}

void UpdateCommands::setInstallerOpener(std::function<void(const QString& path)> opener) {
    m_openInstaller = std::move(opener);
}

void UpdateCommands::CheckForNewVersion1Click() {
    // The window answers while a download runs; a second check then would only fail.
    if (m_checking)
        return;
    m_checking = true;
    const auto done = qScopeGuard([this] { m_checking = false; });
    UserDialogs& dialogs = m_context.dialogs;
    const Result<online::VersionStatus> status = online::checkForNewVersion();
    if (!status) {
        dialogs.showMessage(online::versionCheckFailedMessage());
        return;
    }
    if (*status == online::VersionStatus::UpToDate) {
        dialogs.showMessage(online::upToDateMessage());
        return;
    }
    if (!dialogs.askOkCancel(online::newVersionQuestion()))
        return;
    if (m_context.preferencesFilePath == prefs::kMustUseRegistry) {
        dialogs.showMessage(online::cannotSaveDownloadMessage());
        return;
    }
    downloadAndInstall();
}

QString UpdateCommands::installerFolder() const {
    // A run whose preferences came from the registry has no preferences file: the working
    // folder.
    if (m_context.preferencesFilePath.isEmpty())
        return {};
    return QFileInfo(m_context.preferencesFilePath).path();
}

void UpdateCommands::downloadAndInstall() {
    // A download of its own for every check: no cancel carries over from the last one.
    online::UpdateDownload download(installerFolder());
    connect(&download, &online::UpdateDownload::begun, m_progress,
            &onlinewindows::DownloadProgressWindow::begin);
    connect(&download, &online::UpdateDownload::progressed, m_progress,
            &onlinewindows::DownloadProgressWindow::showProgress);
    connect(&download, &online::UpdateDownload::ended, m_progress, &QWidget::hide);
    connect(m_progress, &onlinewindows::DownloadProgressWindow::cancelRequested, &download,
            &online::UpdateDownload::cancel);
    const Result<QString> installer = download.run();
    if (!installer) {
        m_context.dialogs.showMessage(online::downloadFailedMessage());
        return;
    }
    if (!QFileInfo::exists(*installer))
        return;
    // The save-changes prompt comes back until the claim is saved or given up.
    do
        m_context.mainWindow.close();
    while (m_context.document.status().modified);
    // After a No or a save the window closes once events run; it closes now, before the
    // installer starts.
    if (m_context.mainWindow.isVisible())
        m_context.mainWindow.close();
    m_openInstaller(*installer);
}

} // namespace cw::editor
