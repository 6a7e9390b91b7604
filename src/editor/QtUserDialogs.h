#pragma once

// The user's questions answered with real Qt dialogs.

#include "editor/UserDialogs.h"

#include <memory>

class QWidget;

namespace cw::editor {

class SaveChangesPrompt;

class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent);
    ~QtUserDialogs() override;

    SaveAnswer askSaveChanges(SavePrompt prompt) override;
    ChangedFileAnswer askSaveOverChangedFile() override;
    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override;
    QStringList chooseFilesToOpen(const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool askOkCancel(const QString& text) override;
    bool choosePrinter(QPrinter& printer) override;
    void showPrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

private:
    QWidget* m_parent;
    std::unique_ptr<SaveChangesPrompt> m_toktosave;
    std::unique_ptr<SaveChangesPrompt> m_toktoclose;
};

} // namespace cw::editor
