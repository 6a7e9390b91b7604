#pragma once

// The controls of a dialog under test, found by their object names.

#include <QAbstractButton>
#include <QWidget>

template <typename T>
T* child(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QLatin1StringView(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline void click(QWidget& dialog, const char* button) {
    child<QAbstractButton>(dialog, button)->click();
}
