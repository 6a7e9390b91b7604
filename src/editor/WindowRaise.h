#pragma once

// Brings the main window to the front for a later start: restored if minimised, raised, and
// activated. Desktops refuse activation to a program the user did not just turn to, unless it
// shows the launcher's token of the start the user made: the later start passes its token on,
// and the window uses it (Wayland's activation token through Qt, X11's start-up identifier).

#include <QByteArray>

class QWidget;

namespace cw::editor {

void raiseWindow(QWidget& window, const QByteArray& activationToken);

} // namespace cw::editor
