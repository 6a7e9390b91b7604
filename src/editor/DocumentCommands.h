#pragma once

// The claim as a whole: the three New commands, Open, Save and Save As with the proposed file
// name, the two save-changes prompts, and loading a claim file into the editors.

#include "editor/ClaimFileVersions.h"
#include "editor/UserDialogs.h"
#include "model/ClaimDocument.h"
#include "platform/Result.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace cw::prefs {
class PreferencesStore;
}

namespace cw::editor {

class ApplicationErrorHandler;
class AutomaticSettings;
class FormCanvas;

enum class SaveAsOutcome { Saved, Cancelled, Failed };
enum class OpenOutcome { Opened, KeptUnsaved };

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
    // typing first; the user may keep the claim instead. A file that cannot be read changes
    // nothing and gives the reason.
    Result<OpenOutcome> loadClaimFile(const QString& fileName, bool askFirst);
    // A claim kept after a crash takes the place of the document: its values, file name,
    // state and title as they were, and still unsaved; onDisk is what its file held when it
    // was last opened or saved.
    void restoreUnsavedClaim(const model::ClaimValues& values, const model::DocumentStatus& was,
                             const QString& title, std::optional<platform::DiskVersion> onDisk);
    // What the claim's file held when it was last opened or saved, if known.
    std::optional<platform::DiskVersion> lastKnownFileVersion() const {
        return m_fileVersions.lastKnown(status().currentFileName);
    }
    // loadClaimFile, with a file that cannot be read reported to the error handler; nothing
    // then.
    std::optional<OpenOutcome> openClaimFile(const QString& fileName, bool askFirst);

    // Before the claim is replaced: offers to save unsaved typing. False when the user kept the
    // claim (Cancel or the close box).
    bool askFirst();
    // The folder where claims are opened and saved; the default one is made where it names no
    // folder.
    QString dataFolder();
    // That folder becomes the file's folder.
    void rememberFolderOf(const QString& fileName);
    // The claim-file dialog with several files to pick: them in the dialog's order, none when
    // the user cancels.
    QStringList chooseClaimFiles();

    // The closing check of the main window: true when it may close now. Otherwise the closing
    // prompt has been answered, and closeRequested() follows where the answer closes.
    bool mayClose();

signals:
    void titleChanged(const QString& title);
    // The closing prompt's No, or the end of the Save As its Yes started.
    void closeRequested();
    // A claim was loaded or a new one started: the claim before it is gone.
    void claimReplaced();
    // Open, a hand-over or the command line opened the file (a batch print's loads do not
    // count); Save or Save As wrote it.
    void claimFileOpened(const QString& fileName);
    void claimFileSaved(const QString& fileName);

private:
    // Toktosave or Toktoclose, marked as showing while it is up.
    SaveAnswer promptToSave(SavePrompt prompt);
    void setTitleFromFileName(const QString& fileName);
    void storeProviderTemplate();
    void emptyFields(const std::function<bool(int index)>& shouldEmpty);
    // What the three New commands end with once the fields are emptied and filled.
    void startNewClaim(bool samePatient);
    void openFirstField();
    // Save over a file someone else changed since: false when the user wants no plain save.
    bool maySaveOver(const QString& fileName);
    // The values of a claim file, unmodified, in place of the document's.
    void showLoadedClaim(const model::ClaimValues& values, const QString& fileName);

    Context m_context;
    ClaimFileVersions m_fileVersions;
    bool m_promptShowing = false;
    bool m_saveAsForClosing = false;
};

} // namespace cw::editor
