#include "platform/ReadIfPresent.h"

#include "platform/FileAccess.h"

#include <cerrno>

namespace cw::platform {

Result<std::optional<QByteArray>> readFileIfPresent(const QString& path, qint64 maxBytes,
                                                    int* errorCode) {
    // readWholeFile reports its reasons as text; errno still holds the code of the call that
    // failed, and ENOENT (only) means the file is not there. A missing folder on the way gives
    // ENOENT too, while a regular file in a folder's place gives ENOTDIR and is an error.
    errno = 0;
    auto bytes = readWholeFile(path, maxBytes);
    const int code = bytes.ok() ? 0 : errno;
    if (errorCode)
        *errorCode = code == ENOENT ? 0 : code;
    if (bytes.ok())
        return std::optional<QByteArray>(std::move(bytes).value());
    if (code == ENOENT)
        return std::optional<QByteArray>();
    return Error{bytes.error()};
}

} // namespace cw::platform
