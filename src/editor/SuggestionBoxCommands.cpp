#include "editor/SuggestionBoxCommands.h"

#include "onlinewindows/SuggestionBoxWindow.h"

#include <QMenu>

namespace cw::editor {

using prefs::Pref;

SuggestionBoxCommands::SuggestionBoxCommands(prefs::TypedPreferences& preferences, QMenu& options,
                                             platform::UserRegistry registry, QWidget& mainWindow)
    : QObject(&mainWindow)
    , m_preferences(preferences)
    // Ctrl+S belongs to File > Save, which comes first; this item only shows the key.
    , m_show(options.addAction(tr("&Show Suggestion Box") + u'\t' + tr("Ctrl+S")))
    , m_hide(options.addAction(tr("&Hide Suggestion Box")))
    , m_window(new onlinewindows::SuggestionBoxWindow(std::move(registry), &mainWindow)) {
    m_show->setObjectName(QStringLiteral("ShowSuggestionBox1"));
    m_hide->setObjectName(QStringLiteral("HideSuggestionBox1"));
    m_hide->setShortcut(QKeySequence(tr("Ctrl+H")));
    connect(m_show, &QAction::triggered, this, &SuggestionBoxCommands::ShowSuggestionBox1Click);
    connect(m_hide, &QAction::triggered, this, &SuggestionBoxCommands::HideSuggestionBox1Click);
    // Its close button hides the window, and that counts as Hide.
    connect(m_window, &onlinewindows::SuggestionBoxWindow::hidden, this,
            &SuggestionBoxCommands::HideSuggestionBox1Click);

    if (m_preferences.flag(Pref::SuggestionBoxOn))
        ShowSuggestionBox1Click();
    else
        HideSuggestionBox1Click();
}

void SuggestionBoxCommands::ShowSuggestionBox1Click() {
    m_show->setVisible(false);
    m_hide->setVisible(true);
    m_window->show();
    m_preferences.setFlag(Pref::SuggestionBoxOn, true);
}

void SuggestionBoxCommands::HideSuggestionBox1Click() {
    m_show->setVisible(true);
    m_hide->setVisible(false);
    if (m_window->isVisible())
        m_window->hide();
    m_preferences.setFlag(Pref::SuggestionBoxOn, false);
}

void SuggestionBoxCommands::applyPreferenceAtFirstShow() {
    switch (m_preferences.flagState(Pref::SuggestionBoxOn)) {
    case prefs::FlagState::True:
        ShowSuggestionBox1Click();
        break;
    case prefs::FlagState::False:
        HideSuggestionBox1Click();
        break;
    case prefs::FlagState::Unknown:
        break;
    }
}

} // namespace cw::editor
