#include "recovery/RecoveryStore.h"

#include "model/ClaimFile.h"
#include "platform/FileAccess.h"
#include "platform/FileAccessText.h"
#include "platform/KnownFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace cw::recovery {

namespace {

const QString kClaimSuffix = QStringLiteral(".unsaved");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kUnreadableSuffix = QStringLiteral(".unreadable");
// The header and the claim's lines in UTF-8, which may take up to three bytes where the claim
// file takes one.
constexpr qint64 kMaxRecoveryFileBytes = 3 * model::kMaxClaimFileBytes + 4096;

QString tr(const char* text) {
    return QCoreApplication::translate("RecoveryStore", text);
}

Error failure(const QString& what, const QString& path) {
    return Error{what.arg(QDir::toNativeSeparators(path), platform::detail::systemReason(errno))};
}

// Opens the file, made where missing, and waits for its lock.
int openLocked(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return -1;
    int locked = 0;
    do
        locked = ::flock(fd, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// True when the lock file names the file fd holds: a scan that found the lock file unheld may
// have removed it between its making and its locking.
bool stillNamed(int fd, const QString& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// True while a running copy holds the lock; a missing lock file is held by nobody.
bool isHeld(const QString& lockPath) {
    const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno != ENOENT;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

QString copyName() {
    return QStringLiteral("%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

} // namespace

QString standardRecoveryFolder() {
    return platform::userStateFolder() + QStringLiteral("recovery/");
}

Result<RecoveryStore> RecoveryStore::open(const QString& folder) {
    const QString path = platform::withTrailingSlash(folder);
    if (!QDir().mkpath(path))
        return failure(tr("Could not make the folder \"%1\": %2"), path);
    // The files hold patient data.
    if (::chmod(QFile::encodeName(path).constData(), S_IRWXU) != 0)
        return failure(tr("Could not make the folder \"%1\" private: %2"), path);
    for (;;) {
        const QString name = copyName();
        const QString lockPath = path + name + kLockSuffix;
        const int lock = openLocked(lockPath);
        if (lock < 0)
            return failure(tr("Could not lock \"%1\": %2"), lockPath);
        if (stillNamed(lock, lockPath))
            return RecoveryStore(path, name, lock);
        ::close(lock);
    }
}

RecoveryStore::RecoveryStore(QString folder, QString name, int lock)
    : m_folder(std::move(folder))
    , m_name(std::move(name))
    , m_lock(lock) {}

RecoveryStore::RecoveryStore(RecoveryStore&& other) noexcept
    : m_folder(std::move(other.m_folder))
    , m_name(std::move(other.m_name))
    , m_lock(std::exchange(other.m_lock, -1)) {}

RecoveryStore::~RecoveryStore() {
    if (m_lock < 0)
        return;
    // Removed while still held, so no scan can take it for a lock left behind.
    QFile::remove(m_folder + m_name + kLockSuffix);
    ::close(m_lock);
}

QString RecoveryStore::ownFile() const {
    return m_folder + m_name + kClaimSuffix;
}

LeftClaims RecoveryStore::findLeftClaims() const {
    LeftClaims found;
    const QDir folder(m_folder);
    const QStringList claims =
        folder.entryList({u'*' + kClaimSuffix}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QString& claimName : claims) {
        const QString name = claimName.chopped(kClaimSuffix.size());
        if (name == m_name || isHeld(m_folder + name + kLockSuffix))
            continue;
        const QString path = m_folder + claimName;
        Result<QByteArray> bytes = platform::readWholeFile(path, kMaxRecoveryFileBytes);
        Result<UnsavedClaim> claim =
            bytes ? unsavedClaimFromBytes(*bytes) : Result<UnsavedClaim>(Error{bytes.error()});
        if (claim) {
            found.readable.push_back({path, std::move(claim).value()});
            continue;
        }
        // Where it cannot be renamed it stays as it is and is reported again next time.
        const QString setAside = path + kUnreadableSuffix;
        const QString kept = QFile::rename(path, setAside) ? setAside : path;
        found.setAside << QDir::toNativeSeparators(kept) + QStringLiteral(": ") + claim.error();
    }
    // Copies that ended without an unsaved claim, or whose claim was set aside above.
    for (const QString& lockName : folder.entryList({u'*' + kLockSuffix}, QDir::Files)) {
        const QString name = lockName.chopped(kLockSuffix.size());
        if (name != m_name && !QFileInfo::exists(m_folder + name + kClaimSuffix) &&
            !isHeld(m_folder + lockName))
            QFile::remove(m_folder + lockName);
    }
    return found;
}

void RecoveryStore::removeLeftClaim(const QString& path) const {
    QFile::remove(path);
    QFile::remove(path.chopped(kClaimSuffix.size()) + kLockSuffix);
}

bool RecoveryStore::adoptLeftClaim(const QString& path) const {
    // rename() replaces the target in one step, where QFile::rename refuses an existing one.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(ownFile()).constData()) !=
        0)
        return false;
    QFile::remove(path.chopped(kClaimSuffix.size()) + kLockSuffix);
    return true;
}

} // namespace cw::recovery
