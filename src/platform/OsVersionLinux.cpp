#include "platform/OsVersion.h"

#include <QSysInfo>

namespace cw::platform {

QString osVersionText() {
    return QSysInfo::prettyProductName() + QStringLiteral(", kernel ") + QSysInfo::kernelVersion();
}

} // namespace cw::platform
