// writeFileAtomically on POSIX. Written against the system calls rather than QSaveFile: a
// QSaveFile whose write is cut short (disk full, file-size limit) can still commit a truncated
// file and report success, and a claim must never be replaced by part of itself.

#include "platform/FileAccess.h"
#include "platform/FileAccessText.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw::platform {

using detail::shown;
using detail::systemReason;
using detail::tr;

namespace {

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

// New files get the permissions the user's umask allows; a replaced file keeps its own.
mode_t permissionsFor(const QByteArray& target) {
    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temp = target.left(slash + 1) + '.' + target.mid(slash + 1) + ".XXXXXX";

    const auto failure = [&](int error) {
        return Error{tr("Could not write \"%1\": %2").arg(shown(path), systemReason(error))};
    };

    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return failure(errno);

    int error = 0;
    if (!writeAll(fd, bytes.constData(), bytes.size()) ||
        ::fchmod(fd, permissionsFor(target)) != 0 || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.constData());
        return failure(error);
    }
    return {};
}

} // namespace cw::platform
