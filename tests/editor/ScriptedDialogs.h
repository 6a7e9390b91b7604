#pragma once

// Answers the program's questions from a script and records what was asked.

#include "platform/UserDialogs.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class ScriptedDialogs : public cw::UserDialogs {
public:
    std::deque<cw::SaveAnswer> saveAnswers;
    // A null QString stands for the user's Cancel.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAsAnswers;

    std::vector<cw::SavePrompt> promptsShown;
    std::vector<cw::FileDialogRequest> openRequests;
    std::vector<cw::FileDialogRequest> saveRequests;
    QStringList messages;
    QStringList errors;

    cw::SaveAnswer askSaveChanges(cw::SavePrompt prompt) override {
        promptsShown.push_back(prompt);
        return take(saveAnswers, cw::SaveAnswer::Closed);
    }
    std::optional<QString> chooseFileToOpen(const cw::FileDialogRequest& request) override {
        openRequests.push_back(request);
        return chosenFile(take(openAnswers, QString()));
    }
    std::optional<QString> chooseFileToSave(const cw::FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return chosenFile(take(saveAsAnswers, QString()));
    }
    void showMessage(const QString& text) override { messages << text; }
    void showError(const QString& text) override { errors << text; }

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
