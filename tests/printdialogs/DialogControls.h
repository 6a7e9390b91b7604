#pragma once

// Finding a dialog's controls by their object names, and using them as a user would.

#include <QAbstractButton>
#include <QWidget>

namespace cw::test {

template <typename T>
T* child(const QObject& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QLatin1StringView(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline void click(const QObject& dialog, const char* button) {
    child<QAbstractButton>(dialog, button)->click();
}

} // namespace cw::test
