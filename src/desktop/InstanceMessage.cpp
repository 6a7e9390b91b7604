#include "desktop/InstanceMessage.h"

#include <QDataStream>
#include <QtEndian>

namespace cw::desktop {

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;

template <typename Write>
QByteArray framed(Write write) {
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    write(out);
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(quint32(message.size()), bytes.data());
    return bytes + message;
}

template <typename Read>
bool parsed(const QByteArray& message, Read read) {
    QDataStream in(message);
    in.setVersion(kStreamVersion);
    read(in);
    return in.status() == QDataStream::Ok && in.atEnd();
}

} // namespace

QByteArray frame(const InstanceRequest& request) {
    return framed([&](QDataStream& out) {
        out << quint8(request.kind) << request.text << request.parameter << request.activationToken;
    });
}

QByteArray frame(const InstanceReply& reply) {
    return framed([&](QDataStream& out) { out << quint8(reply.kind) << reply.message; });
}

FrameState readFrame(QIODevice& device, QByteArray& message) {
    char header[4];
    if (device.peek(header, 4) < 4)
        return FrameState::Incomplete;
    const quint32 length = qFromBigEndian<quint32>(header);
    if (length > kMaxFrameBytes)
        return FrameState::TooLong;
    if (device.bytesAvailable() < 4 + qint64(length))
        return FrameState::Incomplete;
    device.skip(4);
    message = device.read(length);
    return FrameState::Complete;
}

std::optional<InstanceRequest> parseRequest(const QByteArray& message) {
    InstanceRequest request;
    quint8 kind = 0;
    const bool ok = parsed(message, [&](QDataStream& in) {
        in >> kind >> request.text >> request.parameter >> request.activationToken;
    });
    if (!ok || kind < quint8(RequestKind::Raise) || kind > quint8(RequestKind::SetText))
        return std::nullopt;
    request.kind = RequestKind(kind);
    return request;
}

std::optional<InstanceReply> parseReply(const QByteArray& message) {
    InstanceReply reply;
    quint8 kind = 0;
    const bool ok = parsed(message, [&](QDataStream& in) { in >> kind >> reply.message; });
    if (!ok || kind < quint8(ReplyKind::Received) || kind > quint8(ReplyKind::Refused))
        return std::nullopt;
    reply.kind = ReplyKind(kind);
    return reply;
}

} // namespace cw::desktop
