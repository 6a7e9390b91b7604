#include "editor/HelpCommands.h"

#include "editor/ProgramTitle.h"
#include "editor/UpdateCommands.h"
#include "helpwindows/AboutBox.h"
#include "helpwindows/FillingHelpWindow.h"
#include "helpwindows/HelpChoiceWindow.h"
#include "helpwindows/ProgramHelpWindow.h"
#include "helpwindows/SmallWindowParts.h"
#include "online/MakerServers.h"
#include "online/ProgramVersion.h"
#include "onlinewindows/Browser.h"

#include <QAction>
#include <QMenu>

namespace cw::editor {

HelpCommands::HelpCommands(QMenu& help, UpdateCommands& updates, QWidget& mainWindow)
    : QObject(&mainWindow)
    , m_mainWindow(mainWindow)
    // In the order the start-up has always made them.
    , m_program(new helpwindows::ProgramHelpWindow(&mainWindow))
    , m_choice(new helpwindows::HelpChoiceWindow(&mainWindow))
    , m_filling(new helpwindows::FillingHelpWindow(&mainWindow)) {
    const auto item = [&help](const char* name, const QString& caption) {
        QAction* action = help.addAction(caption);
        action->setObjectName(QLatin1StringView(name));
        return action;
    };
    QAction* openHelp = item("OpenHelpPage1", tr("UB-04/CMS 1450 Claimwright &Help"));
    openHelp->setShortcut(QKeySequence(Qt::Key_F1));
    connect(openHelp, &QAction::triggered, this, &HelpCommands::OpenHelpPage1Click);
    connect(item("CheckForNewVersion1", tr("Check For New Version")), &QAction::triggered, &updates,
            &UpdateCommands::CheckForNewVersion1Click);
    connect(item("FrequentlyAskedQuestions1", tr("Frequently Asked Questions")),
            &QAction::triggered, this, &HelpCommands::FrequentlyAskedQuestions1Click);
    connect(item("About1", tr("About...")), &QAction::triggered, this, &HelpCommands::About1Click);

    const auto showCentred = [](QWidget* window) {
        helpwindows::showCentred(*window);
    };
    connect(m_choice, &helpwindows::HelpChoiceWindow::fillingHelpChosen, m_filling,
            [this, showCentred] { showCentred(m_filling); });
    connect(m_choice, &helpwindows::HelpChoiceWindow::programHelpChosen, m_program,
            [this, showCentred] { showCentred(m_program); });
    connect(m_filling, &helpwindows::FillingHelpWindow::backChosen, this,
            &HelpCommands::OpenHelpPage1Click);
    connect(m_program, &helpwindows::ProgramHelpWindow::backChosen, this,
            &HelpCommands::OpenHelpPage1Click);
}

void HelpCommands::OpenHelpPage1Click() {
    helpwindows::showCentred(*m_choice);
}

void HelpCommands::FrequentlyAskedQuestions1Click() {
    onlinewindows::openUrlInBrowser(online::mainServerUrl(QStringLiteral("/support.php")));
}

void HelpCommands::About1Click() {
    helpwindows::AboutBox about(programTitle(), QLatin1StringView(online::kProgramVersion),
                                QLatin1StringView(online::kBuildDate), &m_mainWindow);
    about.showModal();
}

} // namespace cw::editor
