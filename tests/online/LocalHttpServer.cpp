#include "LocalHttpServer.h"

#include <QJsonDocument>

namespace {

constexpr int kWaitMs = 10000;

} // namespace

LocalHttpServer::LocalHttpServer() {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral(CLAIMWRIGHT_TEST_HTTP_SERVER)});
    if (!m_process.waitForStarted(kWaitMs))
        return;
    m_port = nextLine().trimmed().toInt();
}

LocalHttpServer::~LocalHttpServer() {
    if (m_servesHosts) {
        qunsetenv("CLAIMWRIGHT_WEB_HOST");
        qunsetenv("CLAIMWRIGHT_SUGGESTION_HOST");
    }
    m_process.kill();
    m_process.waitForFinished(kWaitMs);
}

QString LocalHttpServer::host() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString LocalHttpServer::url(const QString& path) const {
    return QStringLiteral("http://") + host() + path;
}

QByteArray LocalHttpServer::nextLine() {
    m_buffer += m_process.readAllStandardOutput();
    while (!m_buffer.contains('\n')) {
        if (!m_process.waitForReadyRead(kWaitMs))
            return {};
        m_buffer += m_process.readAllStandardOutput();
    }
    const qsizetype end = m_buffer.indexOf('\n');
    const QByteArray line = m_buffer.left(end);
    m_buffer.remove(0, end + 1);
    return line;
}

QJsonObject LocalHttpServer::nextRequest() {
    return QJsonDocument::fromJson(nextLine()).object();
}

void LocalHttpServer::serveMakerHosts() {
    m_servesHosts = true;
    qputenv("CLAIMWRIGHT_WEB_HOST", host().toLatin1());
    qputenv("CLAIMWRIGHT_SUGGESTION_HOST", host().toLatin1());
}
