#pragma once

// Plain HTTP requests to the maker's servers, on libcurl. One request at a time, each with a
// client of its own that is freed when it ends: nothing (connections, cookies) carries over.
// Redirections are never followed; an answer outside 200-299, a network failure or a time-out
// is an error naming the URL (never its user name or password) and the reason.
//
// The requests run on the calling thread. So that a dead server never freezes the window for
// long, every request gives up when the connection is not made within kConnectTimeoutMs, when
// no byte arrives for kStallSeconds, and (the text requests) when it has not ended within
// kTextRequestTimeoutMs.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace cw::online {

inline constexpr long kConnectTimeoutMs = 4000;
inline constexpr long kStallSeconds = 4;
inline constexpr long kTextRequestTimeoutMs = 8000;
// A text answer longer than this is refused: the servers answer with a line or two.
inline constexpr qsizetype kMaxTextBytes = 1 << 20;

// Whether "user:password@" written into the URL before the host is sent as HTTP basic
// credentials; when ignored it is not sent at all.
enum class Credentials { Ignored, Basic };

struct TransferProgress {
    // Once the answer starts, with its announced length (-1 when the server gave none).
    std::function<void(qint64 expectedBytes)> begun;
    // After every piece written, with the count so far; false stops the transfer.
    std::function<bool(qint64 bytesSoFar)> progressed;
    // After begun, however the transfer ends.
    std::function<void()> ended;
};

// The answer's body, as Windows-1252 text.
Result<QString> httpGetText(const QString& url, Credentials credentials = Credentials::Ignored);
// Writes the answer's body into out as it arrives; an answer outside 200-299 writes nothing.
Result<void> httpGetToStream(const QString& url, QIODevice& out, const TransferProgress& progress,
                             Credentials credentials = Credentials::Ignored);
Result<QString> httpPost(const QString& url, const QByteArray& body, const QByteArray& contentType);

// The URL as errors name it: without "user:password@".
QString urlWithoutCredentials(const QString& url);

} // namespace cw::online
