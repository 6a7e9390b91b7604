#pragma once

// The Options menu's items that show and hide the suggestion box, and the preference
// SUGGESTIONBOXON_TRUE_OR_FALSE that remembers which: the menu, the preference and the window
// agree after every show or hide, whoever hid the window.

#include "platform/UserRegistry.h"
#include "prefs/TypedPreferences.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace cw::onlinewindows {
class SuggestionBoxWindow;
}

namespace cw::editor {

class SuggestionBoxCommands : public QObject {
    Q_OBJECT

public:
    // Adds both items to the options menu and makes the window, a child of mainWindow; then
    // shows or hides it as the preference says ("true" in any case shows it).
    SuggestionBoxCommands(prefs::TypedPreferences& preferences, QMenu& options,
                          platform::UserRegistry registry, QWidget& mainWindow);

    void ShowSuggestionBox1Click();
    void HideSuggestionBox1Click();

    // At the main window's first show: shown for "true", hidden only for "false".
    void applyPreferenceAtFirstShow();

    onlinewindows::SuggestionBoxWindow& window() const { return *m_window; }

private:
    prefs::TypedPreferences& m_preferences;
    QAction* m_show;
    QAction* m_hide;
    onlinewindows::SuggestionBoxWindow* m_window;
};

} // namespace cw::editor
