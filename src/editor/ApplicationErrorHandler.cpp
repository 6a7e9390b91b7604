#include "editor/ApplicationErrorHandler.h"

#include "editor/UserDialogs.h"
#include "platform/ErrorText.h"

namespace cw::editor {

ApplicationErrorHandler::ApplicationErrorHandler(UserDialogs& dialogs, Log log)
    : m_dialogs(dialogs)
    , m_log(std::move(log)) {}

void ApplicationErrorHandler::handle(const QString& message) {
    // The message of an operation the user abandoned: nothing went wrong.
    if (message == u"SRpOperationAborted")
        return;
    m_log(QStringLiteral("ERROR ") + message);
    if (m_report)
        m_report(QStringLiteral("ErrorMsg"), message);
    m_dialogs.showError(messageText(message));
}

QString ApplicationErrorHandler::messageText(const QString& description) {
    return platform::programErrorText(description);
}

} // namespace cw::editor
