#include "desktop/InstanceClient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>

namespace cw::desktop {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("InstanceClient", text);
}

// The next answer; nothing when the connection closes first or the deadline passes.
std::optional<InstanceReply> nextReply(QLocalSocket& socket, QDeadlineTimer deadline) {
    for (;;) {
        QByteArray message;
        switch (readFrame(socket, message)) {
        case FrameState::Complete:
            return parseReply(message);
        case FrameState::TooLong:
            return std::nullopt;
        case FrameState::Incomplete:
            break;
        }
        if (socket.state() != QLocalSocket::ConnectedState || deadline.hasExpired())
            return std::nullopt;
        const qint64 left = deadline.remainingTime();
        socket.waitForReadyRead(left < 0 ? -1 : int(std::min<qint64>(left, INT_MAX)));
    }
}

} // namespace

std::unique_ptr<QLocalSocket> connectToRunningInstance(const QString& socketPath,
                                                       std::chrono::milliseconds wait) {
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(socketPath);
    if (!socket->waitForConnected(int(wait.count())))
        return nullptr;
    return socket;
}

SendResult sendRequest(QLocalSocket& socket, const InstanceRequest& request,
                       std::chrono::milliseconds wait) {
    socket.write(frame(request));
    const QDeadlineTimer acknowledged(wait);
    while (socket.bytesToWrite() > 0 && !acknowledged.hasExpired())
        socket.waitForBytesWritten(int(acknowledged.remainingTime()));

    const std::optional<InstanceReply> received = nextReply(socket, acknowledged);
    if (!received || received->kind != ReplyKind::Received)
        return {SendOutcome::NoAnswer, tr("The running copy of Claimwright does not answer.")};
    const std::optional<InstanceReply> done = nextReply(socket, QDeadlineTimer::Forever);
    if (!done)
        return {SendOutcome::NoAnswer,
                tr("The running copy of Claimwright ended before it answered.")};
    return {done->kind == ReplyKind::Done ? SendOutcome::Done : SendOutcome::Refused,
            done->message};
}

QByteArray launcherActivationToken() {
    const QByteArray wayland = qgetenv("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : wayland;
}

} // namespace cw::desktop
