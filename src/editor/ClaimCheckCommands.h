#pragma once

// The claim check in the editor: the check runs again after every change of the claim, the
// status-bar panel counts its findings, Options > Check Claim (F7) and a click on the panel
// open the findings window, and a finding opens its field's editor. With "Check claims before
// printing" on, a claim with errors asks before the print dialog.

#include "check/ClaimCheck.h"
#include "model/ClaimDocument.h"
#include "platform/UserRegistry.h"

#include <QObject>
#include <QTimer>

#include <vector>

class QAction;
class QMenu;
class QToolButton;
class QWidget;

namespace cw::editor {

class ClaimCheckWindow;
class FormCanvas;
class UserDialogs;

class ClaimCheckCommands : public QObject {
    Q_OBJECT

public:
    struct Context {
        const model::ClaimDocument& document;
        // Keeps "Check claims before printing" beside the program's other per-user values.
        platform::UserRegistry registry;
        UserDialogs& dialogs;
        FormCanvas& canvas;
        // Owns the findings window, and gets the focus back with the field's editor.
        QWidget& window;
    };

    // Adds Check Claim and "Check claims before printing" to the options menu.
    ClaimCheckCommands(Context context, QMenu& options, QObject* parent = nullptr);

    void CheckClaimClick();
    void CheckBeforePrintingClick();

    // The status-bar panel; the main window places it.
    QToolButton& statusPanel() const { return *m_panel; }
    // Made when first opened.
    ClaimCheckWindow* findingsWindow() const { return m_findingsWindow; }
    const std::vector<check::Finding>& findings();

    // Before the print dialog: false when the clerk stops the print of a claim with errors.
    bool mayPrint();

private:
    bool checksBeforePrinting() const;
    void recheck();
    void openField(int catalogueIndex);

    Context m_context;
    std::vector<check::Finding> m_findings;
    // Changes come in bursts (a file loaded, AutoFill down a column): one check after them.
    QTimer m_recheck;
    QToolButton* m_panel;
    QAction* m_checkBeforePrinting;
    ClaimCheckWindow* m_findingsWindow = nullptr;
};

} // namespace cw::editor
