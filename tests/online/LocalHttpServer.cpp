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

bool LocalHttpServer::serve(const QString& path, const ServedAnswer& answer) {
    QJsonObject setting{{u"path"_qs, path},
                        {u"body"_qs, QString::fromLatin1(answer.body.toBase64())},
                        {u"status"_qs, answer.status},
                        {u"chunk"_qs, answer.chunkBytes},
                        {u"pause"_qs, answer.pauseSeconds},
                        {u"length"_qs, answer.sendsLength}};
    if (!answer.user.isEmpty()) {
        setting[u"user"_qs] = answer.user;
        setting[u"password"_qs] = answer.password;
    }
    m_process.write(QJsonDocument(setting).toJson(QJsonDocument::Compact) + '\n');
    // Records of requests still unread from before are passed over.
    for (;;) {
        const QJsonObject line = nextRequest();
        if (line.isEmpty())
            return false;
        if (line.contains(u"served"))
            return line[u"served"].toString() == path;
    }
}

void LocalHttpServer::serveMakerHosts() {
    m_servesHosts = true;
    qputenv("CLAIMWRIGHT_WEB_HOST", host().toLatin1());
    qputenv("CLAIMWRIGHT_SUGGESTION_HOST", host().toLatin1());
}
