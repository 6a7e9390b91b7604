#include "platform/FileAccess.h"

#include "platform/FileAccessText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cw::platform {

using detail::shown;
using detail::tr;

Result<QByteArray> readWholeFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (info.isDir())
        return Error{tr("Could not open \"%1\": it is a folder, not a file.").arg(shown(path))};
    if (info.exists() && info.size() > maxBytes)
        return Error{tr("Could not open \"%1\": the file is larger than the %2 bytes this "
                        "program reads (it has %3), so it is not a file this program wrote.")
                         .arg(shown(path))
                         .arg(maxBytes)
                         .arg(info.size())};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{tr("Could not open \"%1\": %2").arg(shown(path), file.errorString())};
    // The size check above can race with a file that grows; never read more than the limit.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Error{tr("Could not read \"%1\": %2").arg(shown(path), file.errorString())};
    if (bytes.size() > maxBytes)
        return Error{tr("Could not open \"%1\": the file is larger than the %2 bytes this "
                        "program reads.")
                         .arg(shown(path))
                         .arg(maxBytes)};
    return bytes;
}

} // namespace cw::platform
