#pragma once

// Message helpers shared by the file-access sources.

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include <cstring>

namespace cw::platform::detail {

inline QString tr(const char* text) {
    return QCoreApplication::translate("FileAccess", text);
}

inline QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The system's own words for an errno value.
inline QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace cw::platform::detail
