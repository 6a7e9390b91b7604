#include "editor/DesktopRequests.h"

#include "desktop/InstanceServer.h"
#include "editor/AutomaticSettings.h"
#include "editor/DocumentCommands.h"
#include "editor/UserDialogs.h"
#include "editor/WindowRaise.h"
#include "model/ClaimDocument.h"
#include "model/FieldText.h"
#include "model/Windows1252.h"
#include "platform/DebugOutput.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace cw::editor {

using desktop::InstanceReply;
using desktop::ReplyKind;
using desktop::RequestKind;

namespace {

// How soon a request that waits for a dialog to close is tried again.
constexpr int kRetryMs = 100;

InstanceReply done() {
    return {ReplyKind::Done, {}};
}

InstanceReply refused(const QString& reason) {
    return {ReplyKind::Refused, reason};
}

// What a field cannot hold, as typing would not let it in; empty when it can hold the text.
QString whyFieldRefuses(const QString& text) {
    if (model::asSingleLine(text) != text)
        return DesktopRequests::tr("The text has a line break, and a field holds one line.");
    if (const qsizetype at = model::Windows1252::firstUnencodable(text); at >= 0)
        return DesktopRequests::tr("%1 cannot be stored in a claim file.")
            .arg(model::Windows1252::describeCharacterAt(text, at));
    return {};
}

} // namespace

DesktopRequests::DesktopRequests(Context context, QObject* parent)
    : QObject(parent)
    , m_context(context) {
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &DesktopRequests::takeRequests);
    m_context.window.installEventFilter(this);
}

void DesktopRequests::markMainWindow(desktop::InstanceServer* server) {
    if (!server || m_server == server)
        return;
    m_server = server;
    connect(server, &desktop::InstanceServer::requestArrived, this,
            [this](const desktop::InstanceRequest& request) {
                raiseFor(request);
                // Carried out from the event loop, not inside the socket's notification: a
                // save-changes prompt may keep its own event loop running for minutes.
                QMetaObject::invokeMethod(this, &DesktopRequests::takeRequests,
                                          Qt::QueuedConnection);
            });
    // Once the show that marks the window has finished.
    QMetaObject::invokeMethod(this, &DesktopRequests::takeRequests, Qt::QueuedConnection);
}

void DesktopRequests::raiseFor(const desktop::InstanceRequest& request) {
    if (request.kind != RequestKind::SetText)
        raiseWindow(m_context.window, request.activationToken);
}

bool DesktopRequests::isBusy() const {
    return m_carryingOut || QApplication::activeModalWidget() != nullptr;
}

void DesktopRequests::takeRequests() {
    while (m_server && !isBusy()) {
        std::optional<desktop::PendingRequest> pending = m_server->takeRequest();
        if (!pending)
            return;
        m_carryingOut = true;
        const InstanceReply reply = carryOut(pending->request());
        m_carryingOut = false;
        pending->answer(reply);
    }
    if (m_server && m_server->hasRequests())
        m_retry.start();
}

InstanceReply DesktopRequests::carryOut(const desktop::InstanceRequest& request) {
    switch (request.kind) {
    case RequestKind::Raise:
        return done();
    case RequestKind::OpenFile:
        return receiveHandOver(request.text);
    case RequestKind::SetText:
        return receiveFieldMessage(request.parameter, request.text);
    }
    return refused(tr("Unknown request."));
}

InstanceReply DesktopRequests::receiveHandOver(const QString& fileName) {
    // A name cut short could name another file: a longer one is refused whole.
    if (const qsizetype length = fileName.toUcs4().size(); length > desktop::kMaxHandOverLength) {
        const QString reason =
            tr("A claim file handed over by a second start of the program was not opened: its "
               "name is %1 characters long, and names of more than %2 characters are not "
               "accepted.")
                .arg(length)
                .arg(desktop::kMaxHandOverLength);
        m_context.dialogs.showError(reason);
        return refused(reason);
    }
    const std::optional<OpenOutcome> opened = m_context.commands.openClaimFile(fileName, true);
    if (!opened)
        return refused(tr("%1 could not be opened; the running program says why.").arg(fileName));
    if (*opened == OpenOutcome::KeptUnsaved)
        return {ReplyKind::Done,
                tr("The claim being typed was kept; %1 was not opened.").arg(fileName)};
    return done();
}

InstanceReply DesktopRequests::receiveFieldMessage(qint32 parameter, const QString& text) {
    platform::debugOutput(QStringLiteral("HCFAMSG:") + QString::number(parameter));
    const qint64 index = qint64(parameter) - desktop::kFieldMessageBase;
    if (index < 0 || index >= model::kFieldCount) {
        m_titleByMessage = true;
        m_context.window.setWindowTitle(text);
        m_titleByMessage = false;
        return done();
    }
    if (const QString reason = whyFieldRefuses(text); !reason.isEmpty())
        return refused(tr("Field %1 was left as it was. %2").arg(parameter).arg(reason));

    model::ClaimDocument& document = m_context.document;
    const int field = int(index);
    const bool changed = document.value(field) != text;
    {
        const SuspendedAutomaticSettings suspended(m_context.settings);
        document.setValue(field, text, model::ValueSource::Program);
    }
    // Another program's value counts as typed: closing or replacing the claim asks first.
    if (changed)
        document.recordTypedCharacter(field);
    return done();
}

// The title the program sets itself comes as the same message on the platform the handler was
// written for, with the parameter 0.
bool DesktopRequests::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_context.window && event->type() == QEvent::WindowTitleChange &&
        !m_titleByMessage)
        platform::debugOutput(QStringLiteral("HCFAMSG:0"));
    return QObject::eventFilter(watched, event);
}

} // namespace cw::editor
