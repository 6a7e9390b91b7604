#pragma once

// Fetching the newest release's installer. The main server's "/ub04versioncheck/location.txt",
// asked with basic credentials, names the installer's URL; the installer is saved in the given
// folder under the last segment of that URL.
//
// The transfer runs on a thread of its own, so the window goes on answering while it runs:
// run() waits in an event loop and the progress signals arrive on the caller's thread. cancel()
// ends the transfer at its next piece (at the latest when the server has been silent for the
// stall time-out). A cancelled or failed transfer leaves the partial file where it is.
//
// A whole installer is kept only when the signature at its URL + ".sig" is the maker's
// (InstallerSignature); otherwise it is deleted and the download has failed.

#include "platform/Result.h"

#include <QObject>
#include <QString>

#include <atomic>

namespace cw::online {

inline constexpr char kInstallerLocationPath[] = "/ub04versioncheck/location.txt";
// The name when the location's URL ends in "/" or in a name that could be taken for another
// file of the folder.
inline constexpr char kDefaultInstallerName[] = "ub04setup.exe";

// The location's URL on the main server, with its credentials written in before the host.
QString installerLocationUrl();

// The URL's last path segment when it is a plain file name (letters, digits, ".", "_", "-",
// "+", not beginning with ".") that is neither a preferences file nor a claim; otherwise
// kDefaultInstallerName.
QString installerFileName(const QString& installerUrl);

class UpdateDownload : public QObject {
    Q_OBJECT

public:
    // folder: where the installer goes; empty for the working folder.
    explicit UpdateDownload(QString folder, QObject* parent = nullptr);

    // Asks for the location, then fetches the installer into the folder, replacing a file of
    // that name. The installer's path, or why it could not be had.
    Result<QString> run();
    void cancel();

signals:
    // The answer began, with its announced length in bytes (-1 when the server gave none).
    void begun(qint64 expectedBytes);
    void progressed(qint64 bytesSoFar);
    // After begun, however the transfer ended.
    void ended();

private:
    Result<void> fetchInto(const QString& url, const QString& path);
    // Fetches the signature beside the installer and checks the file with it.
    Result<void> checkSignature(const QString& installerUrl, const QString& path);

    QString m_folder;
    std::atomic<bool> m_cancelled = false;
};

} // namespace cw::online
