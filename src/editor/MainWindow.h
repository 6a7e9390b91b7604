#pragma once

// TForm1, the claim editor's main window.
//
// How the pieces meet: the window owns the FormCanvas (the form picture with one FieldEditor
// and one CaptionLabel per catalogue field; the editors hold the claim's values) inside the
// scroll box. DocumentCommands works on the canvas and keeps the document status; it asks its
// questions through UserDialogs and reads and writes the preferences through the
// PreferencesStore that the window loads at creation and saves when it closes.
// AutomaticSettings holds the AutoFill and automatic-addition settings shown in the status bar,
// with the typed-cell flags; AutomaticCommands switches them from the Options menu.
// FieldBehaviours attaches the field handlers (moves, flags, AutoFill, automatic addition,
// hints) to every editor the canvas makes. The committed print font lives in
// PrintFontSettings; PrintCommands holds the rest of printing (engine, printer, print mode,
// dialogs) behind the File menu's print entries. Errors that no command handles go to the
// ApplicationErrorHandler.

#include "platform/UserRegistry.h"
#include "prefs/PreferencesFolders.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <memory>

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

namespace cw::editor {

class UserDialogs;
class ApplicationErrorHandler;
class AutomaticCommands;
class AutomaticSettings;
class FieldBehaviours;
class PrintCommands;
class DocumentCommands;
class FormCanvas;

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
    ApplicationErrorHandler& errorHandler() const { return *m_errors; }
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
    bool scrollByWheel(QWheelEvent* event);

    std::unique_ptr<UserDialogs> m_ownDialogs;
    UserDialogs& m_dialogs;
    QStringList m_files;
    std::unique_ptr<ApplicationErrorHandler> m_errors;
    std::unique_ptr<prefs::PreferencesStore> m_preferences;
    std::unique_ptr<printing::PrintFontSettings> m_printFont;
    model::ClaimDocument* m_document = nullptr;
    AutomaticSettings* m_settings = nullptr;
    AutomaticCommands* m_automaticCommands = nullptr;
    FieldBehaviours* m_fieldBehaviours = nullptr;
    PrintCommands* m_printCommands = nullptr;
    QAction* m_printEntry = nullptr;
    FormCanvas* m_canvas = nullptr;
    QScrollArea* m_scrollBox = nullptr;
    DocumentCommands* m_commands = nullptr;
    QLabel* m_statusPanels[5] = {};
    QLabel* m_statusMessage = nullptr;
    QTimer m_statusMessageTimer;
    QMenu* m_newMenu = nullptr;
    bool m_shown = false;
};

} // namespace cw::editor
