#include "editor/ClaimFileVersions.h"

#include "model/ClaimFile.h"

#include <QFileInfo>

namespace cw::editor {

std::optional<platform::DiskVersion> ClaimFileVersions::onDisk(const QString& fileName) {
    return platform::DiskVersion::ofFile(fileName, model::kMaxClaimFileBytes);
}

void ClaimFileVersions::rememberOpened(const QString& fileName,
                                       std::optional<platform::DiskVersion> version) {
    m_fileName = fileName;
    m_version = std::move(version);
}

void ClaimFileVersions::rememberSaved(const QString& fileName, const model::ClaimValues& values) {
    m_fileName = fileName;
    // The bytes just written, rather than the file read back, which may already be another's.
    const Result<QByteArray> bytes = model::encodeClaimFile(values);
    m_version = bytes ? std::optional(platform::DiskVersion::ofBytes(*bytes)) : std::nullopt;
}

std::optional<platform::DiskVersion> ClaimFileVersions::lastKnown(const QString& fileName) const {
    return fileName == m_fileName ? m_version : std::nullopt;
}

bool ClaimFileVersions::changedSince(const QString& fileName) const {
    const std::optional<platform::DiskVersion> known = lastKnown(fileName);
    if (!known)
        return false;
    if (!QFileInfo::exists(fileName))
        return false;
    // A file that can no longer be read is no longer the one opened.
    return onDisk(fileName) != known;
}

} // namespace cw::editor
