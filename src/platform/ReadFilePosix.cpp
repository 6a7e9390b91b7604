// readWholeFile on POSIX. The file is opened without waiting and looked at through the open
// descriptor before anything is read: opening a named pipe that nobody writes would otherwise
// wait for ever, and a device would be read without end. Pictures compiled into the program
// (":/" paths) are read through QFile, which alone knows them.

#include "platform/FileAccess.h"
#include "platform/FileAccessText.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw::platform {

using detail::shown;
using detail::systemReason;
using detail::tr;

namespace {

// errno is part of the answer: readFileIfPresent tells a missing file by ENOENT.
Error failure(QString message, int error) {
    Error failed{std::move(message)};
    errno = error;
    return failed;
}

QString notAFile(mode_t mode) {
    if (S_ISDIR(mode))
        return tr("it is a folder, not a file.");
    if (S_ISFIFO(mode))
        return tr("it is a named pipe, not a file.");
    if (S_ISSOCK(mode))
        return tr("it is a socket, not a file.");
    return tr("it is a device, not a file.");
}

Error tooLarge(const QString& path, qint64 maxBytes, qint64 size) {
    return failure(tr("Could not open \"%1\": the file is larger than the %2 bytes this "
                      "program reads (it has %3), so it is not a file this program wrote.")
                       .arg(shown(path))
                       .arg(maxBytes)
                       .arg(size),
                   0);
}

Result<QByteArray> readResource(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(tr("Could not open \"%1\": %2").arg(shown(path), file.errorString()),
                       ENOENT);
    if (file.size() > maxBytes)
        return tooLarge(path, maxBytes, file.size());
    return file.readAll();
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        const int error = errno;
        if (m_fd >= 0)
            ::close(m_fd);
        errno = error;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

Result<QByteArray> readWholeFile(const QString& path, qint64 maxBytes) {
    if (path.startsWith(u':'))
        return readResource(path, maxBytes);
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        // A socket cannot be opened at all; say what it is rather than the system's puzzle.
        struct stat st {};
        const bool special =
            ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
        return failure(tr("Could not open \"%1\": %2")
                           .arg(shown(path), special ? notAFile(st.st_mode) : systemReason(error)),
                       error);
    }
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) {
        const int error = errno;
        return failure(tr("Could not read \"%1\": %2").arg(shown(path), systemReason(error)),
                       error);
    }
    if (!S_ISREG(st.st_mode))
        return failure(tr("Could not open \"%1\": %2").arg(shown(path), notAFile(st.st_mode)), 0);
    if (st.st_size > maxBytes)
        return tooLarge(path, maxBytes, st.st_size);

    // The file may grow while it is read; never read more than one byte past the limit.
    QByteArray bytes(std::min<qint64>(st.st_size, maxBytes) + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total <= maxBytes) {
        if (total == bytes.size())
            bytes.resize(std::min(2 * total, maxBytes + 1));
        const ssize_t n =
            ::read(file.get(), bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            return failure(tr("Could not read \"%1\": %2").arg(shown(path), systemReason(error)),
                           error);
        }
        if (n == 0)
            break;
        total += n;
    }
    if (total > maxBytes)
        return failure(tr("Could not open \"%1\": the file is larger than the %2 bytes this "
                          "program reads.")
                           .arg(shown(path))
                           .arg(maxBytes),
                       0);
    bytes.truncate(total);
    return bytes;
}

} // namespace cw::platform
