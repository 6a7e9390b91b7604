// StagedFile on POSIX. Written against the system calls rather than QSaveFile: a QSaveFile whose
// write is cut short (disk full, file-size limit) can still commit a truncated file and report
// success, it never flushes the folder, and it leaves its temporary file behind when the
// process is killed.

#include "platform/FileAccessText.h"
#include "platform/StagedFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace cw::platform {

using detail::shown;
using detail::systemReason;
using detail::tr;

namespace {

constexpr char kMarker[] = ".claimwright-";
constexpr char kRandomPart[] = "XXXXXX"; // mkostemp puts letters and digits there
// Longer than any writer takes between making its file and locking it.
constexpr time_t kNewFileSeconds = 60;

bool isAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// ".<target name>.claimwright-XXXXXX"
bool isStagedName(std::string_view name) {
    const std::string_view marker(kMarker);
    const std::size_t suffix = marker.size() + std::string_view(kRandomPart).size();
    if (name.size() < 2 + suffix || name.front() != '.')
        return false;
    const std::string_view tail = name.substr(name.size() - suffix);
    return tail.starts_with(marker) &&
           std::all_of(tail.begin() + marker.size(), tail.end(), isAsciiLetterOrDigit);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes the file when no living writer holds it: it takes the writer's lock without waiting,
// and a writer's file is empty only in its first moments.
void removeIfAbandoned(int folder, const char* name) {
    const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        (held.st_size > 0 || std::time(nullptr) - held.st_mtime > kNewFileSeconds) &&
        ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(held, named))
        ::unlinkat(folder, name, 0);
    ::close(fd);
}

// Best effort: a folder that cannot be listed still takes the write.
void removeAbandonedFiles(int folder) {
    const int listing = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (listing < 0)
        return;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir))
        if (isStagedName(entry->d_name))
            removeIfAbandoned(folder, entry->d_name);
    ::closedir(dir);
}

bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

int lockWaiting(int fd) {
    int result = 0;
    do
        result = ::flock(fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    return result;
}

// A new file gets the permissions the user's umask allows; a replaced one keeps its own.
mode_t permissionsFor(int folder, const char* name) {
    struct stat st {};
    if (::fstatat(folder, name, &st, 0) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

Error writeFailure(const QString& target, int error) {
    const Error failed{tr("Could not write \"%1\": %2").arg(shown(target), systemReason(error))};
    errno = error;
    return failed;
}

} // namespace

StagedFile::StagedFile(QString target, QByteArray folderPath, QByteArray name, QByteArray tempName,
                       int folder, int file)
    : m_target(std::move(target))
    , m_folderPath(std::move(folderPath))
    , m_name(std::move(name))
    , m_tempName(std::move(tempName))
    , m_folder(folder)
    , m_file(file) {}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : m_target(std::move(other.m_target))
    , m_folderPath(std::move(other.m_folderPath))
    , m_name(std::move(other.m_name))
    , m_tempName(std::move(other.m_tempName))
    , m_folder(std::exchange(other.m_folder, -1))
    , m_file(std::exchange(other.m_file, -1))
    , m_committed(other.m_committed)
    , m_ownerOnly(other.m_ownerOnly) {}

StagedFile::~StagedFile() {
    // Callers read errno after a failure that ends here.
    const int error = errno;
    if (m_file >= 0) {
        // Removed while still locked, so no cleaner can take it for abandoned first.
        if (!m_committed)
            ::unlinkat(m_folder, m_tempName.constData(), 0);
        ::close(m_file);
    }
    if (m_folder >= 0)
        ::close(m_folder);
    errno = error;
}

Result<StagedFile> StagedFile::create(const QString& target) {
    const QFileInfo info(target);
    QByteArray folderPath = QFile::encodeName(info.absolutePath());
    QByteArray name = QFile::encodeName(info.fileName());

    const int folder = ::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return writeFailure(target, errno);
    const auto fail = [&](int error, int file = -1) {
        if (file >= 0)
            ::close(file);
        ::close(folder);
        return writeFailure(target, error);
    };

    removeAbandonedFiles(folder);
    // Root may replace any file; everyone else is held to the target's own permissions, which
    // the rename alone would pass over.
    if (::faccessat(folder, name.constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        return fail(errno);

    // A long target name is cut short, so the temporary name stays within the system's limit.
    const qsizetype kept = NAME_MAX - 1 - std::strlen(kMarker) - std::strlen(kRandomPart);
    QByteArray tempName = '.' + name.left(kept) + kMarker + kRandomPart;
    QByteArray tempPath = folderPath + '/' + tempName;
    const int file = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (file < 0)
        return fail(errno);
    tempName = tempPath.mid(folderPath.size() + 1);
    if (lockWaiting(file) != 0) {
        const int error = errno;
        ::unlinkat(folder, tempName.constData(), 0);
        return fail(error, file);
    }
    return StagedFile(target, std::move(folderPath), std::move(name), std::move(tempName), folder,
                      file);
}

QString StagedFile::path() const {
    return QFile::decodeName(m_folderPath + '/' + m_tempName);
}

Error StagedFile::failure(int error) const {
    return writeFailure(m_target, error);
}

Result<void> StagedFile::write(const QByteArray& bytes) {
    if (!writeAll(m_file, bytes.constData(), bytes.size()))
        return failure(errno);
    return {};
}

Result<void> StagedFile::commit() {
    const mode_t permissions =
        m_ownerOnly ? S_IRUSR | S_IWUSR : permissionsFor(m_folder, m_name.constData());
    if (::fchmod(m_file, permissions) != 0 || ::fsync(m_file) != 0)
        return failure(errno);
    if (::renameat(m_folder, m_tempName.constData(), m_folder, m_name.constData()) != 0)
        return failure(errno);
    m_committed = true;
    // Without this the rename may still be lost with the power, bringing the old file back.
    // EINVAL: a file system that keeps no folder contents of its own to flush.
    if (::fsync(m_folder) != 0 && errno != EINVAL)
        return failure(errno);
    return {};
}

} // namespace cw::platform
