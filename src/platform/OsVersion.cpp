#include "platform/OsVersion.h"

namespace cw::platform {

namespace {

const char* windows9xName(int minor, int build) {
    if (minor == 0) {
        if (build < 1000)
            return "Windows 95";
        if (build == 1111)
            return "Windows 95 b";
        if (build > 1111)
            return "Windows 95c";
    } else if (minor == 10) {
        if (build < 2000)
            return "Windows 98";
        if (build > 2000)
            return "Windows 98 second edition";
    } else if (minor == 90) {
        return "Windows Me";
    }
    return nullptr;
}

const char* windowsNtName(int major, int minor) {
    if (major == 5 && minor == 2)
        return "Windows 2003";
    if (major == 5 && minor == 1)
        return "Windows XP";
    if (major == 4)
        return "Windows NT";
    if (major == 5)
        return "Windows 2000";
    return nullptr;
}

} // namespace

QString windowsVersionText(int platformId, int major, int minor, int build) {
    const char* name = nullptr;
    switch (platformId) {
    case Win32s:
        name = "Windows 32 bits";
        break;
    case Windows9x:
        name = windows9xName(minor, build);
        break;
    case WindowsNt:
        name = windowsNtName(major, minor);
        break;
    default:
        break;
    }
    return QLatin1StringView(name ? name : "Windows version unknown");
}

} // namespace cw::platform
