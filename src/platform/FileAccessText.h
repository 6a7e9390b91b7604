#pragma once

// Message helpers shared by the file-access sources.

#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace cw::platform::detail {

inline QString tr(const char* text) {
    return QCoreApplication::translate("FileAccess", text);
}

inline QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace cw::platform::detail
