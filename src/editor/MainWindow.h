#pragma once

// TForm1, the claim editor's main window.
//
// How the pieces meet: the window owns the claim: a ClaimDocument with the 509 values and the
// document status. The FormCanvas inside the scroll box shows it (the form picture with one
// CaptionLabel and one lazily made FieldEditor per catalogue field) and sends the user's edits
// to it; nothing else holds a value. DocumentCommands (New, Open, Save, Save As, the prompts)
// loads, saves and replaces the document; it asks its questions through UserDialogs, and its
// ClaimFileVersions remembers what the claim file held at the last open or save, so that Save
// asks before writing over someone else's save.
// FieldBehaviours binds the field handlers (moves, typed characters, hints) to the editors and
// runs AutoFill and automatic addition on every change of the document; AutomaticSettings holds
// those two settings and the typed-cell flags, and AutomaticCommands switches them from the
// Options menu. PrintCommands prints the document through the print engine with the job
// settings it loads afresh for every job, and shows the print dialogs; the committed print
// font (PrintFontSettings) is shared with the field warnings. AlignmentCommands opens the
// printer alignment and the advanced alignment, loads the field offsets from their settings
// file into the print commands at the first show, and keeps the advanced window on the field
// the canvas opened last. BatchPrintCommands prints a queue of saved claims: DocumentCommands
// opens each, PrintCommands' printer, print mode and engine print it. ExportCommands writes the
// document's values as XML, a .docx document or a column of the claims workbook through the
// widget-free export library, in DocumentCommands' data folder. Every setting is read and
// written through the typed view of the PreferencesStore, which the window loads at creation
// and saves when it closes. Errors that no command handles go to the ApplicationErrorHandler,
// which, like the preferences store's failures, sends an error report (online/ErrorReport,
// which keeps file names out of it). SuggestionBoxCommands owns the suggestion box window and
// its Options items. ClaimCheckCommands checks the document after every change, counts the
// findings in the status bar, shows them in the findings window and asks before a print.
// HelpCommands owns the help windows and the Help menu; its Check For New Version is
// UpdateCommands', which checks for a newer release and downloads it (online/VersionCheck,
// online/UpdateDownload), then closes the window through its normal path before the installer
// is handed to the desktop. DesktopRequests carries out what later starts and other programs
// send over the instance socket (a hand-over opens through DocumentCommands); every show
// checks the .ub4 association. UndoCommands owns the Edit menu and the claim's undo history
// (model/ClaimHistory), which starts afresh whenever DocumentCommands replaces the claim.
// RecentClaimsMenu keeps File > Recent Claims with the files DocumentCommands opened or saved
// last, in the user's registry store (prefs/RecentClaims). CrashRecovery keeps the unsaved
// claim in a recovery file of the window's own (recovery/RecoveryStore) and offers, at the
// first show, the claims that copies which ended without closing left there; it restores them
// through DocumentCommands.

#include "desktop/FileAssociation.h"
#include "platform/UserRegistry.h"
#include "prefs/PreferencesFolders.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

namespace cw::model {
class ClaimDocument;
}

namespace cw::prefs {
class PreferencesStore;
}

namespace cw::printing {
class PrintFontSettings;
}

namespace cw::desktop {
class InstanceServer;
}

namespace cw::editor {

class UserDialogs;
class AlignmentCommands;
class ApplicationErrorHandler;
class AutomaticCommands;
class AutomaticSettings;
class BatchPrintCommands;
class ClaimCheckCommands;
class ExportCommands;
class FieldBehaviours;
class PrintCommands;
class DesktopRequests;
class DocumentCommands;
class SuggestionBoxCommands;
class UpdateCommands;
class FormCanvas;
class HelpCommands;
class CrashRecovery;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    struct Services {
        platform::UserRegistry registry;
        prefs::PreferencesFolders folders = prefs::PreferencesFolders::standard();
        // nullptr: real Qt dialogs.
        UserDialogs* dialogs = nullptr;
        // The command line's file arguments; the first is opened at start-up.
        QStringList files;
        // Where later starts and other programs reach the window; none: nobody can.
        desktop::InstanceServer* instanceServer = nullptr;
        // Checked at every show; none: left alone.
        std::optional<desktop::FileAssociation> fileAssociation = std::nullopt;
        // Where unsaved claims are kept for recovery after a crash; empty: nowhere.
        QString recoveryFolder = {};
    };

    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    model::ClaimDocument& document() const { return *m_document; }
    FormCanvas& canvas() const { return *m_canvas; }
    DocumentCommands& commands() const { return *m_commands; }
    AutomaticSettings& settings() const { return *m_settings; }
    AutomaticCommands& automaticCommands() const { return *m_automaticCommands; }
    printing::PrintFontSettings& printFont() const { return *m_printFont; }
    PrintCommands& printCommands() const { return *m_printCommands; }
    AlignmentCommands& alignmentCommands() const { return *m_alignmentCommands; }
    BatchPrintCommands& batchPrintCommands() const { return *m_batchPrintCommands; }
    DesktopRequests& desktopRequests() const { return *m_desktopRequests; }
    ExportCommands& exportCommands() const { return *m_exportCommands; }
    SuggestionBoxCommands& suggestionBox() const { return *m_suggestionBox; }
    ClaimCheckCommands& claimCheck() const { return *m_claimCheck; }
    UpdateCommands& updateCommands() const { return *m_updateCommands; }
    HelpCommands& helpCommands() const { return *m_helpCommands; }
    ApplicationErrorHandler& errorHandler() const { return *m_errors; }
    // None without a recovery folder.
    CrashRecovery* crashRecovery() const { return m_recovery.get(); }
    QScrollArea& scrollBox() const { return *m_scrollBox; }
    QString statusPanelText(int panel) const;
    // The message beside the panels, which clears itself after a while.
    QString statusMessage() const;
    void showStatusMessage(const QString& text);
    prefs::PreferencesStore& preferences() const { return *m_preferences; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void placeOnScreen();
    void warnAboutLowResolution();
    void runFirstShow();
    void startCrashRecovery(const QString& folder);
    void ensureFileAssociation();
    bool scrollByWheel(QWheelEvent* event);

    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs& m_dialogs;
    QStringList m_files;
    desktop::InstanceServer* m_instanceServer;
    std::optional<desktop::FileAssociation> m_fileAssociation;
    // Where the small windows remember their positions.
    platform::UserRegistry m_windowPositions;
    std::unique_ptr<ApplicationErrorHandler> m_errors;
    std::unique_ptr<prefs::PreferencesStore> m_preferences;
    std::unique_ptr<printing::PrintFontSettings> m_printFont;
    model::ClaimDocument* m_document = nullptr;
    AutomaticSettings* m_settings = nullptr;
    AutomaticCommands* m_automaticCommands = nullptr;
    FieldBehaviours* m_fieldBehaviours = nullptr;
    PrintCommands* m_printCommands = nullptr;
    AlignmentCommands* m_alignmentCommands = nullptr;
    BatchPrintCommands* m_batchPrintCommands = nullptr;
    DesktopRequests* m_desktopRequests = nullptr;
    ExportCommands* m_exportCommands = nullptr;
    SuggestionBoxCommands* m_suggestionBox = nullptr;
    ClaimCheckCommands* m_claimCheck = nullptr;
    UpdateCommands* m_updateCommands = nullptr;
    HelpCommands* m_helpCommands = nullptr;
    QAction* m_printEntry = nullptr;
    FormCanvas* m_canvas = nullptr;
    QScrollArea* m_scrollBox = nullptr;
    DocumentCommands* m_commands = nullptr;
    QLabel* m_statusPanels[5] = {};
    QLabel* m_statusMessage = nullptr;
    QTimer m_statusMessageTimer;
    QMenu* m_newMenu = nullptr;
    bool m_shown = false;
    // Destroyed before the document it watches.
    std::unique_ptr<CrashRecovery> m_recovery;
};

} // namespace cw::editor
