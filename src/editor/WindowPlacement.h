#pragma once

// Where the main window first appears: inside the screen's available area, however small the
// screen or large its scale factor, so that neither the title bar nor the status bar is cut off.

#include <QMargins>
#include <QRect>
#include <QSize>

namespace cw::editor {

struct WindowSizeLimits {
    int minimumHeight;
    int maximumHeight;
};

// The window's own geometry (without its frame): the wanted height, fitted between the limits
// and, frame included, into the available area; then centred in that area, or put at its
// top-left edge along a side where the window is larger than the area.
QRect firstWindowGeometry(const QRect& available, const QSize& wanted, WindowSizeLimits limits,
                          const QMargins& frame);

} // namespace cw::editor
