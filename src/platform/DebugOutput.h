#pragma once

// The debugger output channel (OutputDebugStringA): like the channel it stands in for, it
// records nothing unless someone listens, because its lines can carry a claim's text. It is the
// logging category "claimwright.debugchannel", off by default; the logging rule
// QT_LOGGING_RULES="claimwright.debugchannel.debug=true", or CLAIMWRIGHT_DEBUG_CHANNEL=1, turns
// it on, and then it writes one line per message on standard error.
// While a DebugOutputCapture lives, the lines go to it instead, whether the channel is on or not.

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace cw::platform {

Q_DECLARE_LOGGING_CATEGORY(debugChannel)

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
