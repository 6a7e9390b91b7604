#pragma once

// The debugger output channel (OutputDebugStringA): one line per message on standard error.
// While a DebugOutputCapture lives, the lines go to it instead.

#include <QString>
#include <QStringList>

namespace cw::platform {

// Line breaks inside the message become blanks, so one message is always one line.
void debugOutput(const QString& message);

class DebugOutputCapture {
public:
    DebugOutputCapture();
    ~DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    const QStringList& lines() const { return m_lines; }

private:
    friend void debugOutput(const QString& message);

    QStringList m_lines;
    DebugOutputCapture* m_outer;
};

} // namespace cw::platform
