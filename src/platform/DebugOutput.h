#pragma once

// The debugger output channel (OutputDebugStringA): one line per message on standard error,
// when the logging rule claimwright.debugoutput.debug=true (QT_LOGGING_RULES) switches it on.
// It is off otherwise, as the Windows channel records nothing without a listener: the print log
// carries every field of the claims printed. While a DebugOutputCapture lives, the lines go to
// it instead.

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
