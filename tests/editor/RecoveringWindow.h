#pragma once

// A main window on a temporary home that keeps its unsaved claim in the home's recovery folder,
// with scripted dialogs, shown offscreen.

#include "EditorFixture.h"
#include "TestFiles.h"
#include "editor/CrashRecovery.h"
#include "model/ClaimDocument.h"
#include "recovery/RecoveryFile.h"

#include <QFileInfo>
#include <QTest>

#include <deque>

inline QString recoveryFolderOf(const cw::test::TempHome& home) {
    return home.path() + u"/.local/state/Quillmark/recovery/"_qs;
}

// A main window that keeps its unsaved claim in the home's recovery folder; restoreAnswers
// answer the offers of its first show.
class RecoveringWindow {
public:
    RecoveringWindow(const cw::test::TempHome& home, std::deque<bool> restoreAnswers = {}) {
        m_dialogs.yesNoAnswers = std::move(restoreAnswers);
        m_window = std::make_unique<cw::editor::MainWindow>(
            cw::editor::MainWindow::Services{cw::platform::UserRegistry(),
                                             EditorFixture::foldersIn(home),
                                             &m_dialogs,
                                             {},
                                             nullptr,
                                             std::nullopt,
                                             recoveryFolderOf(home)});
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("main window not exposed");
        // The offers follow the first show.
        QCoreApplication::processEvents();
    }

    cw::editor::MainWindow& window() { return *m_window; }
    cw::model::ClaimDocument& document() { return m_window->document(); }
    ScriptedDialogs& dialogs() { return m_dialogs; }
    QString recoveryFile() const { return m_window->crashRecovery()->recoveryFile(); }

    // The change a keystroke makes in the field.
    void type(const char* fieldName, const QString& text) {
        const int index = fieldIndex(fieldName);
        document().setValue(index, text, cw::model::ValueSource::Typing);
        document().recordTypedCharacter(index);
    }
    // True once the recovery file holds the claim as it is now, within the time the typing
    // pause and the write may take.
    bool waitForRecoveryFile() {
        return QTest::qWaitFor(
            [this] {
                const auto kept =
                    cw::recovery::unsavedClaimFromBytes(cw::test::fileBytes(recoveryFile()));
                return kept && kept->values == document().values();
            },
            15000);
    }
    bool recoveryFileIsGone() {
        m_window->crashRecovery()->waitUntilWritten();
        return !QFileInfo::exists(recoveryFile());
    }

private:
    ScriptedDialogs m_dialogs;
    std::unique_ptr<cw::editor::MainWindow> m_window;
};
