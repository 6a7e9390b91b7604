#pragma once

// Brings the main window to the front for a later start: restored if minimised, raised, and
// activated. Wayland refuses activation to a program the user did not just turn to, unless it
// shows the launcher's token of the start the user made: the later start passes its token on,
// and the window hands it to Qt's activation. On X11 the window manager decides by itself; Qt
// offers no way to lend a window another process's start-up identifier.

#include <QByteArray>

class QWidget;

namespace cw::editor {

void raiseWindow(QWidget& window, const QByteArray& activationToken);

} // namespace cw::editor
