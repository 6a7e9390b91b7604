#pragma once

// What a file held when the program last read or wrote it: its size and a SHA-256 hash of its
// bytes, enough to tell whether someone else has written it since. The modification time does
// not decide: shared folders often keep it to the second or coarser, so two saves within one
// tick look alike, and a file touched with the same bytes has not changed.

#include <QByteArray>
#include <QString>

#include <optional>

namespace cw::platform {

struct DiskVersion {
    qint64 size = 0;
    QByteArray sha256;

    bool operator==(const DiskVersion&) const = default;

    static DiskVersion ofBytes(const QByteArray& bytes);
    // Nothing when the file is not there or cannot be read, or holds more than maxBytes.
    static std::optional<DiskVersion> ofFile(const QString& path, qint64 maxBytes);
};

} // namespace cw::platform
