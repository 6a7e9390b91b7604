#pragma once

// Reading a file that may not have been written yet: a missing file is not an error, every
// other failure is.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cw::platform {

// The bytes, or nothing when the file does not exist. On failure *errorCode (when given) gets
// the errno of the failed call, 0 where the failure had none (a folder in the file's place, a
// file over maxBytes).
Result<std::optional<QByteArray>> readFileIfPresent(const QString& path, qint64 maxBytes,
                                                    int* errorCode = nullptr);

} // namespace cw::platform
