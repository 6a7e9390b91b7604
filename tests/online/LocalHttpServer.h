#pragma once

// The test HTTP server (http_test_server.py) on 127.0.0.1 and a free port, for the life of the
// object. Every request it receives comes back here in the order received.

#include <QByteArray>
#include <QJsonObject>
#include <QMetaType>
#include <QProcess>
#include <QString>

// What the server answers on one path (see http_test_server.py).
struct ServedAnswer {
    ServedAnswer(QByteArray answerBody = {}, int answerStatus = 200)
        : body(std::move(answerBody))
        , status(answerStatus) {}
    // A request without these basic credentials is answered 401.
    ServedAnswer& withCredentials(const QString& name, const QString& secret) {
        user = name;
        password = secret;
        return *this;
    }
    // The body goes out this many bytes at a time, pauseSeconds apart.
    ServedAnswer& inChunks(int bytes, double pause = 0) {
        chunkBytes = bytes;
        pauseSeconds = pause;
        return *this;
    }
    ServedAnswer& withoutLength() {
        sendsLength = false;
        return *this;
    }

    QByteArray body;
    int status = 200;
    QString user;
    QString password;
    int chunkBytes = 0;
    double pauseSeconds = 0;
    bool sendsLength = true;
};

Q_DECLARE_METATYPE(ServedAnswer)

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

    // From now on path is answered as answer says; false when the server did not confirm.
    // Records of requests not yet read with nextRequest() are dropped.
    bool serve(const QString& path, const ServedAnswer& answer);

    // Points both maker hosts at this server while the object lives.
    void serveMakerHosts();

private:
    QByteArray nextLine();

    QProcess m_process;
    QByteArray m_buffer;
    int m_port = 0;
    bool m_servesHosts = false;
};
