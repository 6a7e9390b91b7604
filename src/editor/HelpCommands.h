#pragma once

// The Help menu: the help windows (F1), Check For New Version, Frequently Asked Questions
// (also the toolbar's button) and About. The three help windows are made here, hidden, with
// the main window, and lead from one to another; they are modeless, so the claim stays at hand.

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace cw::helpwindows {
class FillingHelpWindow;
class HelpChoiceWindow;
class ProgramHelpWindow;
} // namespace cw::helpwindows

namespace cw::editor {

class UpdateCommands;

class HelpCommands : public QObject {
    Q_OBJECT

public:
    // Adds the four items to help; the help windows are children of mainWindow.
    HelpCommands(QMenu& help, UpdateCommands& updates, QWidget& mainWindow);

    void OpenHelpPage1Click();
    void FrequentlyAskedQuestions1Click();
    void About1Click();

    helpwindows::HelpChoiceWindow& choiceWindow() const { return *m_choice; }
    helpwindows::FillingHelpWindow& fillingWindow() const { return *m_filling; }
    helpwindows::ProgramHelpWindow& programWindow() const { return *m_program; }

private:
    QWidget& m_mainWindow;
    helpwindows::ProgramHelpWindow* m_program;
    helpwindows::HelpChoiceWindow* m_choice;
    helpwindows::FillingHelpWindow* m_filling;
};

} // namespace cw::editor
