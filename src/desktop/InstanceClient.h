#pragma once

// The sending end of the instance socket: a later start and `claimwright --set-field`.

#include "desktop/InstanceMessage.h"
#include "desktop/InstanceTiming.h"

#include <QString>

#include <memory>

class QLocalSocket;

namespace cw::desktop {

// A connection to the copy listening at socketPath; nothing when none listens there.
std::unique_ptr<QLocalSocket> connectToRunningInstance(const QString& socketPath,
                                                       std::chrono::milliseconds wait);

enum class SendOutcome {
    Done,
    Refused,  // the running copy could not or would not carry it out
    NoAnswer, // no acknowledgement within the wait, or the copy ended before it answered
};

struct SendResult {
    SendOutcome outcome;
    QString message; // the running copy's words, or why no answer came
};

// Sends the request and waits for the answer: the acknowledgement within `wait`, then the end
// of the work as long as it takes.
SendResult sendRequest(QLocalSocket& socket, const InstanceRequest& request,
                       std::chrono::milliseconds wait = kAnswerWait);

// The start-up token the launcher gave this process (Wayland's activation token or X11's
// start-up identifier), which lets the running copy take the focus; empty without one.
QByteArray launcherActivationToken();

} // namespace cw::desktop
