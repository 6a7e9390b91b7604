#pragma once

// The wait cursor over the whole program while a command that blocks the window runs.

#include <QCursor>
#include <QGuiApplication>

namespace cw::editor {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace cw::editor
