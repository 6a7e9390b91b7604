#pragma once

// The test HTTP server (http_test_server.py) on 127.0.0.1 and a free port, for the life of the
// object. Every request it receives comes back here in the order received.

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>

class LocalHttpServer {
public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool isRunning() const { return m_port > 0; }
    // "127.0.0.1:PORT", as a host of the makers' values.
    QString host() const;
    QString url(const QString& path) const;

    // The next request received, waiting a few seconds at most; empty when none came.
    QJsonObject nextRequest();

    // Points both maker hosts at this server while the object lives.
    void serveMakerHosts();

private:
    QByteArray nextLine();

    QProcess m_process;
    QByteArray m_buffer;
    int m_port = 0;
    bool m_servesHosts = false;
};
