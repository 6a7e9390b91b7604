#include "platform/DebugOutput.h"

#include <QLoggingCategory>
#include <QRegularExpression>

#include <cstdio>

namespace cw::platform {

namespace {

DebugOutputCapture* g_capture = nullptr;

Q_LOGGING_CATEGORY(debugChannel, "claimwright.debugoutput", QtInfoMsg)

} // namespace

void debugOutput(const QString& message) {
    if (!g_capture && !debugChannel().isDebugEnabled())
        return;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString line = message;
    line.replace(lineBreak, QStringLiteral(" "));
    if (g_capture) {
        g_capture->m_lines.append(line);
        return;
    }
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
