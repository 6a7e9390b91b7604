#include "editor/WindowPlacement.h"

#include <algorithm>

namespace cw::editor {

namespace {

// The offset that centres length inside room, or 0 where it does not fit.
int centred(int room, int length) {
    return std::max(0, (room - length) / 2);
}

} // namespace

QRect firstWindowGeometry(const QRect& available, const QSize& wanted, WindowSizeLimits limits,
                          const QMargins& frame) {
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int room = available.height() - frameHeight;
    const int height = std::clamp(std::min(wanted.height(), room), limits.minimumHeight,
                                  std::max(limits.minimumHeight, limits.maximumHeight));
    const int x =
        available.left() + centred(available.width(), wanted.width() + frameWidth) + frame.left();
    const int y = available.top() + centred(available.height(), height + frameHeight) + frame.top();
    return {x, y, wanted.width(), height};
}

} // namespace cw::editor
