#include "platform/DebugOutput.h"

#include <QRegularExpression>

#include <cstdio>

namespace cw::platform {

// Warnings and worse only: the channel's debug lines are off unless a rule turns them on.
Q_LOGGING_CATEGORY(debugChannel, "claimwright.debugchannel", QtWarningMsg)

namespace {

DebugOutputCapture* g_capture = nullptr;

bool isListenedTo() {
    static const bool byEnvironment =
        qEnvironmentVariableIntValue("CLAIMWRIGHT_DEBUG_CHANNEL") == 1;
    return byEnvironment || debugChannel().isDebugEnabled();
}

} // namespace

void debugOutput(const QString& message) {
    if (!g_capture && !isListenedTo())
        return;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString line = message;
    line.replace(lineBreak, QStringLiteral(" "));
    if (g_capture) {
        g_capture->m_lines.append(line);
        return;
    }
    // Written as it is, without the message pattern of Qt's handler, so a listener reads exactly
    // the lines the channel carries.
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

DebugOutputCapture::DebugOutputCapture()
    : m_outer(g_capture) {
    g_capture = this;
}

DebugOutputCapture::~DebugOutputCapture() {
    g_capture = m_outer;
}

} // namespace cw::platform
