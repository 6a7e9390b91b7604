#pragma once

// Answers the program's questions from a script and records what was asked.

#include "editor/UserDialogs.h"

#include <QPrinter>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class ScriptedDialogs : public cw::editor::UserDialogs {
public:
    std::deque<cw::editor::SaveAnswer> saveAnswers;
    std::deque<cw::editor::ChangedFileAnswer> changedFileAnswers;
    // A null QString stands for the user's Cancel.
    std::deque<QString> openAnswers;
    // The files picked where several may be; an empty list stands for Cancel.
    std::deque<QStringList> openManyAnswers;
    std::deque<QString> saveAsAnswers;
    std::deque<bool> yesNoAnswers;
    std::deque<bool> okCancelAnswers;
    // One entry per print dialog: the copies chosen, or 0 for Cancel.
    std::deque<int> printerAnswers;

    // Runs while a save-changes prompt is up, as a real modal prompt would take the focus.
    std::function<void()> duringPrompt;

    std::vector<cw::editor::SavePrompt> promptsShown;
    int changedFileQuestions = 0;
    std::vector<cw::editor::FileDialogRequest> openRequests;
    std::vector<cw::editor::FileDialogRequest> openManyRequests;
    std::vector<cw::editor::FileDialogRequest> saveRequests;
    QStringList messages;
    QStringList errors;
    QStringList questions;
    int printDialogsShown = 0;
    int printPreviewsShown = 0;

    cw::editor::SaveAnswer askSaveChanges(cw::editor::SavePrompt prompt) override {
        promptsShown.push_back(prompt);
        if (duringPrompt)
            duringPrompt();
        return take(saveAnswers, cw::editor::SaveAnswer::Closed);
    }
    cw::editor::ChangedFileAnswer askSaveOverChangedFile() override {
        ++changedFileQuestions;
        return take(changedFileAnswers, cw::editor::ChangedFileAnswer::Cancel);
    }
    std::optional<QString> chooseFileToOpen(const cw::editor::FileDialogRequest& request) override {
        openRequests.push_back(request);
        return chosenFile(take(openAnswers, QString()));
    }
    QStringList chooseFilesToOpen(const cw::editor::FileDialogRequest& request) override {
        openManyRequests.push_back(request);
        return take(openManyAnswers, QStringList());
    }
    std::optional<QString> chooseFileToSave(const cw::editor::FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return chosenFile(take(saveAsAnswers, QString()));
    }
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }
    bool askYesNo(const QString& text) override {
        questions << text;
        return take(yesNoAnswers, false);
    }
    bool askOkCancel(const QString& text) override {
        questions << text;
        return take(okCancelAnswers, false);
    }
    bool choosePrinter(QPrinter& printer) override {
        ++printDialogsShown;
        const int copies = take(printerAnswers, 0);
        if (copies > 0)
            printer.setCopyCount(copies);
        return copies > 0;
    }
    // Draws the preview's pages on the printer itself; the test points it at a PDF file.
    void showPrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
        ++printPreviewsShown;
        paint(printer);
    }

private:
    static std::optional<QString> chosenFile(const QString& answer) {
        if (answer.isNull())
            return std::nullopt;
        return answer;
    }

    // An unscripted question is answered the cautious way: cancel or close.
    template <typename T>
    static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
