#pragma once

// The main window's handlers for what comes over the instance socket: a later start's raise and
// hand-over of a claim file, and the field-setting message of another program. Requests are
// carried out one at a time and never while a modal dialog or a batch run is up, so a claim is
// not replaced under a question the user has not answered; the window is raised at once all
// the same. The sender waits for the outcome, prompts included.

#include "desktop/InstanceMessage.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace cw::model {
class ClaimDocument;
}

namespace cw::desktop {
class InstanceServer;
}

namespace cw::editor {

class AutomaticSettings;
class DocumentCommands;
class UserDialogs;

class DesktopRequests : public QObject {
    Q_OBJECT

public:
    struct Context {
        QWidget& window;
        DocumentCommands& commands;
        model::ClaimDocument& document;
        AutomaticSettings& settings;
        UserDialogs& dialogs;
    };

    explicit DesktopRequests(Context context, QObject* parent = nullptr);

    // From the window's show on, the requests of the server reach it, those that came while
    // the program was starting first.
    void markMainWindow(desktop::InstanceServer* server);

    // Opens the handed-over file as File > Open would, after offering to save unsaved typing.
    desktop::InstanceReply receiveHandOver(const QString& fileName);
    // Sets a field by catalogue index (parameter 500000 + index) with AutoFill and automatic
    // addition off; any other parameter sets the window's title.
    desktop::InstanceReply receiveFieldMessage(qint32 parameter, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void raiseFor(const desktop::InstanceRequest& request);
    void takeRequests();
    desktop::InstanceReply carryOut(const desktop::InstanceRequest& request);
    bool isBusy() const;

    Context m_context;
    QPointer<desktop::InstanceServer> m_server;
    QTimer m_retry;
    bool m_carryingOut = false;
    bool m_titleByMessage = false;
};

} // namespace cw::editor
