#pragma once

// The text naming the operating system that error reports carry.

#include <QString>

namespace cw::platform {

// Platform identifiers as GetVersionEx reports them.
enum WindowsPlatformId : int {
    Win32s = 0,
    Windows9x = 1,
    WindowsNt = 2,
};

// The name of a Windows version, "Windows version unknown" for any it does not know.
QString windowsVersionText(int platformId, int major, int minor, int build);

// The name of the running system: on Linux its product name and kernel version.
QString osVersionText();

} // namespace cw::platform
