#include "platform/FileAccess.h"

#include "platform/StagedFile.h"

namespace cw::platform {

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    Result<StagedFile> staged = StagedFile::create(path);
    if (!staged)
        return Error{staged.error()};
    StagedFile file = std::move(staged).value();
    if (Result<void> written = file.write(bytes); !written)
        return written;
    return file.commit();
}

} // namespace cw::platform
