#include "app/RunningCopy.h"

#include "app/ExitStatus.h"
#include "desktop/InstanceClient.h"
#include "desktop/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QTextStream>

namespace cw::app {

namespace {

constexpr std::chrono::milliseconds kConnectWait{1000};

int reportedStatus(const desktop::SendResult& sent, QTextStream& err) {
    if (!sent.message.isEmpty())
        err << "claimwright: " << sent.message << Qt::endl;
    switch (sent.outcome) {
    case desktop::SendOutcome::Done:
        return kAllPrinted;
    case desktop::SendOutcome::Refused:
        return kRefusedByRunningCopy;
    case desktop::SendOutcome::NoAnswer:
        break;
    }
    return kNoRunningCopy;
}

} // namespace

std::optional<int> handOverIfRunning(desktop::SingleInstance& instance, const QStringList& files,
                                     QTextStream& err) {
    if (!instance.isAnotherInstanceRunning())
        return std::nullopt;
    if (!instance.connection()) {
        err << "claimwright: " << instance.failure() << Qt::endl;
        return kNoRunningCopy;
    }
    desktop::InstanceRequest request;
    request.activationToken = desktop::launcherActivationToken();
    if (!files.isEmpty()) {
        request.kind = desktop::RequestKind::OpenFile;
        // The running copy has a working folder of its own.
        const QString& file = files.constFirst();
        request.text = file.isEmpty() ? file : QDir::current().absoluteFilePath(file);
    }
    return reportedStatus(desktop::sendRequest(*instance.connection(), request), err);
}

int sendFieldMessage(const FieldMessage& message, QTextStream& err) {
    const std::unique_ptr<QLocalSocket> socket = desktop::connectToRunningInstance(
        desktop::InstanceAddress::ofThisProgram().socketPath, kConnectWait);
    if (!socket) {
        err << "claimwright: "
            << QCoreApplication::translate("RunningCopy",
                                           "No copy of Claimwright is running to set the field.")
            << Qt::endl;
        return kNoRunningCopy;
    }
    desktop::InstanceRequest request;
    request.kind = desktop::RequestKind::SetText;
    request.parameter = message.parameter;
    request.text = message.text;
    return reportedStatus(desktop::sendRequest(*socket, request), err);
}

} // namespace cw::app
