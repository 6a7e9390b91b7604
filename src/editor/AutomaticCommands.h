#pragma once

// The Options menu's switches for automatic addition and AutoFill, and how the preferences
// set them at start-up.

#include "prefs/TypedPreferences.h"

#include <QObject>

class QAction;
class QMenu;

namespace cw::editor {

class AutomaticSettings;

class AutomaticCommands : public QObject {
    Q_OBJECT

public:
    // Adds mnuAutoAddition and the AutoFill submenu to the options menu.
    AutomaticCommands(AutomaticSettings& settings, prefs::TypedPreferences& preferences,
                      QMenu& options);

    void mnuAutoAdditionClick();
    void urnAutoFillOn1Click();
    void urnAutoFillOff1Click();
    void ResetAutoFill1Click();

    // While the main window is made: the automatic-addition preference.
    void applyAutoAdditionPreference();
    // At the first show: the AutoFill preference and the menu items it shows.
    void applyAutoFillPreference();

private:
    AutomaticSettings& m_settings;
    prefs::TypedPreferences& m_preferences;
    QAction* m_autoAddition;
    QAction* m_autoFillOn;
    QAction* m_autoFillOff;
    QAction* m_resetAutoFill;
};

} // namespace cw::editor
