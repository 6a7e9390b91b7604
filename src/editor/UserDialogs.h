#pragma once

// Every question the program asks the user goes through this interface. The program answers
// it with Qt dialogs; tests answer it with scripted replies, so no test waits on a modal
// dialog.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;

namespace cw::editor {

enum class SavePrompt {
    BeforeReplacing, // Toktosave: before a New command or Open replaces the claim
    BeforeClosing,   // Toktoclose: before the main window closes
};

enum class SaveAnswer { Yes, No, Cancel, Closed };

// Save found the claim file changed by someone else since it was opened or saved.
enum class ChangedFileAnswer { SaveOver, SaveAs, Cancel };

struct FileDialogRequest {
    QString folder;       // where the dialog starts
    QString proposedName; // file-name box contents (save dialogs)
    QStringList filters;  // "UB-04/CMS 1450 Claimwright File (*.ub4)", "All Files (*)"
    QString defaultSuffix;
    // Save dialogs: asks before a file that exists is chosen, as it will be replaced.
    bool confirmOverwrite = true;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual SaveAnswer askSaveChanges(SavePrompt prompt) = 0;
    virtual ChangedFileAnswer askSaveOverChangedFile() = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) = 0;
    // Several existing files: the chosen paths in the dialog's order, none when the user
    // cancels.
    virtual QStringList chooseFilesToOpen(const FileDialogRequest& request) = 0;
    // Asks before overwriting an existing file, unless the request says it is not replaced.
    virtual std::optional<QString> chooseFileToSave(const FileDialogRequest& request) = 0;
    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    // A confirmation with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A confirmation with the buttons OK and Cancel; true for OK.
    virtual bool askOkCancel(const QString& text) = 0;
    // The print dialog: the user picks the printer and the number of copies, which are set on
    // printer. False when the user cancels.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // A preview of the pages paint draws on the printer it is given.
    virtual void showPrintPreview(QPrinter& printer,
                                  const std::function<void(QPrinter&)>& paint) = 0;
};

} // namespace cw::editor
