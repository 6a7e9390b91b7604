#pragma once

// Where a small window was left, kept in the per-user store under the key of window positions
// as two integer values, and brought back inside the work area of the screen it returns to.

#include "platform/UserRegistry.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

namespace cw::platform {

inline constexpr QStringView kWindowPositionsKey = u"\\Software\\Quillmark\\Preferences";

struct RememberedPosition {
    QStringView leftValue;
    QStringView topValue;
    // Where the window first appears, and stays when the store cannot be read.
    QPoint designed;
};

// A stored position moved so that the whole window lies inside the work area.
QPoint placeInside(QPoint stored, QSize window, const QRect& workArea);

// The stored left and top, each where it exists, else the designed one; inside workArea unless
// that is null (no screen).
QPoint rememberedPosition(const UserRegistry& registry, const RememberedPosition& which,
                          QSize window, const QRect& workArea);

// A store that cannot be written keeps the position it had: nothing to tell at exit.
void rememberPosition(UserRegistry& registry, const RememberedPosition& which, QPoint position);

} // namespace cw::platform
