#pragma once

// What a later start, or a program that sets a field, says to the running copy over the instance
// socket, and what the running copy answers. Every message is one frame: its length as four
// bytes, big-endian, then the message written with QDataStream. The running copy answers each
// request twice: Received at once, so the sender knows a live copy has it, and Done or Refused
// once it has been carried out, which may wait for the user (a save-changes prompt).

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

namespace cw::desktop {

// The field-setting message's first parameter is this plus a catalogue index.
inline constexpr qint32 kFieldMessageBase = 500000;
// The longest file name a later start may hand over, in characters.
inline constexpr qsizetype kMaxHandOverLength = 600;
// No message of ours comes near this; a longer frame is refused unread.
inline constexpr quint32 kMaxFrameBytes = 64 * 1024;

enum class RequestKind : quint8 {
    Raise = 1,    // a later start without a file
    OpenFile = 2, // a later start with a file: raise the window, then open the file
    SetText = 3,  // the field-setting message
};

struct InstanceRequest {
    RequestKind kind = RequestKind::Raise;
    // OpenFile: the absolute file name; SetText: the new text.
    QString text;
    // SetText: kFieldMessageBase plus a catalogue index, or any other number (the title).
    qint32 parameter = 0;
    // The launcher's start-up token of the later start (Wayland or X11), for the raise.
    QByteArray activationToken;

    bool operator==(const InstanceRequest&) const = default;
};

enum class ReplyKind : quint8 {
    Received = 1,
    Done = 2,
    Refused = 3, // the message says why
};

struct InstanceReply {
    ReplyKind kind = ReplyKind::Done;
    QString message;

    bool operator==(const InstanceReply&) const = default;
};

QByteArray frame(const InstanceRequest& request);
QByteArray frame(const InstanceReply& reply);

enum class FrameState { Incomplete, Complete, TooLong };

// Takes one whole frame's message off the device; leaves a frame that has not fully arrived.
FrameState readFrame(QIODevice& device, QByteArray& message);

// Nothing for a message that is not one of ours.
std::optional<InstanceRequest> parseRequest(const QByteArray& message);
std::optional<InstanceReply> parseReply(const QByteArray& message);

} // namespace cw::desktop
