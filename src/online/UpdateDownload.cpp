#include "online/UpdateDownload.h"

#include "online/InstallerSignature.h"
#include "online/MakerServers.h"
#include "online/WebRequests.h"
#include "prefs/PreferencesFolders.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <thread>

namespace cw::online {

QString installerLocationUrl() {
    return QStringLiteral("http://user:7e6f5a4b@") + platform::makerValues().webHost +
           QLatin1StringView(kInstallerLocationPath);
}

QString installerFileName(const QString& installerUrl) {
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_+-][A-Za-z0-9._+-]*$"));
    const QString path = QUrl(installerUrl).path(QUrl::FullyEncoded);
    const QString segment = path.mid(path.lastIndexOf(u'/') + 1);
    // A file of that name is replaced: never the preferences' own files beside it, nor a claim
    // in the working folder.
    const bool ownFile = segment.compare(prefs::kSeedFileName, Qt::CaseInsensitive) == 0 ||
                         segment.compare(prefs::kWriteTestFileName, Qt::CaseInsensitive) == 0 ||
                         segment.endsWith(u".ub4", Qt::CaseInsensitive);
    if (ownFile || !plainName.match(segment).hasMatch())
        return QString::fromLatin1(kDefaultInstallerName);
    return segment;
}

UpdateDownload::UpdateDownload(QString folder, QObject* parent)
    : QObject(parent)
    , m_folder(std::move(folder)) {}

void UpdateDownload::cancel() {
    m_cancelled = true;
}

Result<QString> UpdateDownload::run() {
    const Result<QString> location = httpGetText(installerLocationUrl(), Credentials::Basic);
    if (!location)
        return Error{location.error()};
    const QString& installerUrl = *location;
    const QString path = QDir(m_folder.isEmpty() ? QDir::currentPath() : m_folder)
                             .filePath(installerFileName(installerUrl));
    const Result<void> fetched = fetchInto(installerUrl, path);
    if (!fetched)
        return Error{fetched.error()};
    const Result<void> signedByTheMaker = checkSignature(installerUrl, path);
    if (!signedByTheMaker) {
        // An installer nobody vouches for is not left where it could be started.
        QFile::remove(path);
        return Error{signedByTheMaker.error()};
    }
    return path;
}

Result<void> UpdateDownload::checkSignature(const QString& installerUrl, const QString& path) {
    QBuffer signature;
    signature.open(QIODevice::WriteOnly);
    // A signature is 64 bytes: a longer answer is not one, and is not read to its end.
    const TransferProgress limit{
        {}, [](qint64 bytesSoFar) { return bytesSoFar <= kSignatureBytes; }, {}};
    const Result<void> fetched =
        httpGetToStream(installerUrl + QLatin1StringView(kSignatureSuffix), signature, limit);
    if (!fetched)
        return fetched;
    return verifyInstallerSignature(path, signature.data(),
                                    platform::makerValues().installerPublicKey);
}

Result<void> UpdateDownload::fetchInto(const QString& url, const QString& path) {
    QFile file(path);
    if (file.exists() && !file.remove())
        return Error{tr("%1 could not be replaced: %2").arg(path, file.errorString())};
    if (!file.open(QIODevice::WriteOnly))
        return Error{tr("%1 could not be made: %2").arg(path, file.errorString())};

    // The handlers run on the transfer's thread and hand what they learn to this one.
    const auto post = [this](auto call) {
        QMetaObject::invokeMethod(this, call, Qt::QueuedConnection);
    };
    const TransferProgress progress{
        [this, post](qint64 expected) { post([this, expected] { emit begun(expected); }); },
        [this, post](qint64 soFar) {
            post([this, soFar] { emit progressed(soFar); });
            return !m_cancelled;
        },
        [this, post] {
            post([this] { emit ended(); });
        }};

    QEventLoop loop;
    Result<void> outcome;
    std::atomic<bool> finished = false;
    std::thread transfer([&] {
        outcome = httpGetToStream(url, file, progress);
        finished = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    // The program is ending under the download: it stops at its next piece.
    if (!finished)
        m_cancelled = true;
    transfer.join();
    // What the transfer's thread posted last still waits in the queue.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    file.close();
    if (outcome && m_cancelled)
        return Error{tr("The download was cancelled.")};
    return outcome;
}

} // namespace cw::online
