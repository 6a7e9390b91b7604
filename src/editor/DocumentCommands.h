#pragma once

// The claim as a whole: the three New commands, Open, Save and Save As with the proposed file
// name, the two save-changes prompts, and loading a claim file into the editors.

#include "editor/UserDialogs.h"
#include "model/ClaimDocument.h"

#include <QObject>
#include <QString>

#include <functional>

namespace cw::prefs {
class PreferencesStore;
}

namespace cw::editor {

class ApplicationErrorHandler;
class AutomaticSettings;
class FormCanvas;

enum class SaveAsOutcome { Saved, Cancelled, Failed };

class DocumentCommands : public QObject {
    Q_OBJECT

public:
    struct Context {
        model::ClaimDocument& document;
        FormCanvas& canvas;
        AutomaticSettings& settings;
        prefs::PreferencesStore& preferences;
        UserDialogs& dialogs;
        ApplicationErrorHandler& errors;
        QString programFolder; // ends in "/"
    };

    explicit DocumentCommands(Context context, QObject* parent = nullptr);

    const model::DocumentStatus& status() const { return m_context.document.status(); }

    void FormforCurrentPatient1Click();
    void Pa1Click();
    void BlankForm1Click();
    void Open1Click();
    void Save1Click();
    SaveAsOutcome SaveAs1Click();

    // Loads fileName (empty: an empty claim) into the document. askFirst offers to save unsaved
    // typing first. A file that cannot be read changes nothing.
    void openClaimFile(const QString& fileName, bool askFirst);

    // The closing check of the main window: true when it may close now. Otherwise the closing
    // prompt has been answered, and closeRequested() follows where the answer closes.
    bool mayClose();

signals:
    void titleChanged(const QString& title);
    // The closing prompt's No, or the end of the Save As its Yes started.
    void closeRequested();

private:
    // Toktosave or Toktoclose, marked as showing while it is up.
    SaveAnswer promptToSave(SavePrompt prompt);
    // False when the user kept the claim (Cancel or the close box).
    bool askFirst();
    void setTitleFromFileName(const QString& fileName);
    QString dataFolder();
    void storeProviderTemplate();
    void emptyFields(const std::function<bool(int index)>& shouldEmpty);
    // What the three New commands end with once the fields are emptied and filled.
    void startNewClaim(bool samePatient);
    void openFirstField();

    Context m_context;
    bool m_promptShowing = false;
    bool m_saveAsForClosing = false;
};

} // namespace cw::editor
