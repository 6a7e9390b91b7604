#include "editor/WindowRaise.h"

#include <QGuiApplication>
#include <QWidget>

namespace cw::editor {

void raiseWindow(QWidget& window, const QByteArray& activationToken) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    // Qt's Wayland activation takes the token from here, once.
    if (!activationToken.isEmpty() &&
        QGuiApplication::platformName().startsWith(QLatin1StringView("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    window.activateWindow();
}

} // namespace cw::editor
