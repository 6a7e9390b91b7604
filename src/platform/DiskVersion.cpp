#include "platform/DiskVersion.h"

#include "platform/FileAccess.h"

#include <QCryptographicHash>

namespace cw::platform {

DiskVersion DiskVersion::ofBytes(const QByteArray& bytes) {
    return {bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

std::optional<DiskVersion> DiskVersion::ofFile(const QString& path, qint64 maxBytes) {
    const Result<QByteArray> bytes = readWholeFile(path, maxBytes);
    if (!bytes)
        return std::nullopt;
    return ofBytes(*bytes);
}

} // namespace cw::platform
