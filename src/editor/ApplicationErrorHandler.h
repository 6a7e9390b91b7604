#pragma once

// The one place where errors that no command handles end: they are written to the diagnostic
// log and shown to the user, and the program goes on.

#include <QString>

#include <functional>

namespace cw::editor {

class UserDialogs;
class ApplicationErrorHandler {
public:
    using Log = std::function<void(const QString& line)>;
    using ErrorReport = std::function<void(const QString& tag, const QString& message)>;

    ApplicationErrorHandler(UserDialogs& dialogs, Log log);

    // Sending error reports comes with the online services; until a sender is set none is sent.
    void setErrorReport(ErrorReport report) { m_report = std::move(report); }

    void handle(const QString& message);

    static QString messageText(const QString& description);

private:
    UserDialogs& m_dialogs;
    Log m_log;
    ErrorReport m_report;
};

} // namespace cw::editor
