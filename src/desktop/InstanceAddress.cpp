#include "desktop/InstanceAddress.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace cw::desktop {

InstanceAddress InstanceAddress::of(const QString& programPath, const QString& runtimeFolder) {
    // A short name: a local socket's path may not be much longer than 100 bytes.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(qulonglong(::getuid())) + '\0');
    hash.addData(programPath.toUtf8());
    const QString name =
        QStringLiteral("claimwright-") + QString::fromLatin1(hash.result().toHex().left(16));
    const QString base = runtimeFolder + u'/' + name;
    return {base + QStringLiteral(".socket"), base + QStringLiteral(".lock")};
}

InstanceAddress InstanceAddress::ofThisProgram() {
    return of(canonicalProgramPath(),
              QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
}

QString canonicalProgramPath() {
    const QString path = QCoreApplication::applicationFilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace cw::desktop
