#pragma once

// The diagnostic log of printing and of the application's error handling: one line per
// message on the debug output channel, after the program's fixed prefix.

#include <QLatin1StringView>
#include <QString>

namespace cw::printing {

inline constexpr QLatin1StringView kPrintLogPrefix("hcfaclaimwright.exe: ");

void printLog(const QString& message);

} // namespace cw::printing
