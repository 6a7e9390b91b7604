#pragma once

#include <QString>

namespace cw::editor {

// The window title of a claim that has no file yet, and the name of the program in messages.
inline QString programTitle() {
    return QStringLiteral("UB-04/CMS 1450 Claimwright NPI");
}

} // namespace cw::editor
