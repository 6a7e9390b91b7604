#pragma once

// What the claim file on disk held when the window last opened or saved it, so that Save does
// not write over a colleague's save on a shared folder without asking.

#include "model/ClaimValues.h"
#include "platform/DiskVersion.h"

#include <QString>

#include <optional>

namespace cw::editor {

class ClaimFileVersions {
public:
    // What the file holds now; nothing when it is not there or cannot be read.
    static std::optional<platform::DiskVersion> onDisk(const QString& fileName);
    // After the file was read; version is onDisk from before the read, so a change made while
    // it was read is taken for someone else's.
    void rememberOpened(const QString& fileName, std::optional<platform::DiskVersion> version);
    // After the values were written to the file.
    void rememberSaved(const QString& fileName, const model::ClaimValues& values);
    // True when the file holds something else than at the last open or save, or cannot be
    // read. A file that is gone, or that this window never opened or saved, has nothing to
    // lose.
    bool changedSince(const QString& fileName) const;
    // What the file held at the last open or save, if known.
    std::optional<platform::DiskVersion> lastKnown(const QString& fileName) const;

private:
    QString m_fileName;
    std::optional<platform::DiskVersion> m_version;
};

} // namespace cw::editor
