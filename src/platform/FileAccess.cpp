#include "platform/FileAccess.h"

#include "platform/StagedFile.h"

namespace cw::platform {

namespace {

Result<void> writeStaged(const QString& path, const QByteArray& bytes, bool ownerOnly) {
    Result<StagedFile> staged = StagedFile::create(path);
    if (!staged)
        return Error{staged.error()};
    StagedFile file = std::move(staged).value();
    if (ownerOnly)
        file.restrictToOwner();
    if (Result<void> written = file.write(bytes); !written)
        return written;
    return file.commit();
}

} // namespace

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    return writeStaged(path, bytes, false);
}

Result<void> writeOwnerOnlyFileAtomically(const QString& path, const QByteArray& bytes) {
    return writeStaged(path, bytes, true);
}

} // namespace cw::platform
