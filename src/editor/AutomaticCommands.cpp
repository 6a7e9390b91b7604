#include "editor/AutomaticCommands.h"

#include "editor/AutomaticSettings.h"

#include <QAction>
#include <QMenu>

namespace cw::editor {

using prefs::FlagState;
using prefs::Pref;

namespace {

QAction* addItem(QMenu& menu, const char* objectName, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

} // namespace

AutomaticCommands::AutomaticCommands(AutomaticSettings& settings,
                                     prefs::TypedPreferences& preferences, QMenu& options)
    : QObject(&options)
    , m_settings(settings)
    , m_preferences(preferences) {
    m_autoAddition = addItem(options, "mnuAutoAddition", tr("Disable Automatic Addition"));
    connect(m_autoAddition, &QAction::triggered, this, &AutomaticCommands::mnuAutoAdditionClick);

    QMenu* autoFill = options.addMenu(tr("AutoFill"));
    m_autoFillOn = addItem(*autoFill, "urnAutoFillOn1", tr("Turn AutoFill On"));
    m_autoFillOn->setShortcut(QKeySequence(tr("Ctrl+A")));
    // Ctrl+Alt+A belongs to Printer Alignment in the File menu; here it is only shown.
    m_autoFillOff =
        addItem(*autoFill, "urnAutoFillOff1", tr("Turn AutoFill Off") + u'\t' + tr("Ctrl+Alt+A"));
    m_resetAutoFill = addItem(*autoFill, "ResetAutoFill1", tr("Reset AutoFill"));
    m_resetAutoFill->setShortcut(QKeySequence(tr("Ctrl+R")));
    connect(m_autoFillOn, &QAction::triggered, this, &AutomaticCommands::urnAutoFillOn1Click);
    connect(m_autoFillOff, &QAction::triggered, this, &AutomaticCommands::urnAutoFillOff1Click);
    connect(m_resetAutoFill, &QAction::triggered, this, &AutomaticCommands::ResetAutoFill1Click);
}

void AutomaticCommands::mnuAutoAdditionClick() {
    const QString caption = m_autoAddition->text().remove(u'&');
    const bool enable = caption == tr("Enable Automatic Addition");
    if (!enable && caption != tr("Disable Automatic Addition"))
        return;
    m_autoAddition->setText(enable ? tr("Disable Automatic Addition")
                                   : tr("Enable Automatic Addition"));
    m_settings.setAutoAddition(enable);
    m_preferences.setFlag(Pref::AutoAdditionOn, enable);
}

void AutomaticCommands::urnAutoFillOn1Click() {
    m_resetAutoFill->setVisible(true);
    m_autoFillOff->setVisible(true);
    m_autoFillOn->setVisible(false);
    m_settings.setAutoFill(true);
    m_preferences.setFlag(Pref::AutoFillOn, true);
}

void AutomaticCommands::urnAutoFillOff1Click() {
    m_autoFillOff->setVisible(false);
    m_autoFillOn->setVisible(true);
    m_resetAutoFill->setVisible(false);
    m_settings.setAutoFill(false);
    m_preferences.setFlag(Pref::AutoFillOn, false);
}

void AutomaticCommands::ResetAutoFill1Click() {
    m_settings.typedCells().clearTypedCellFlags();
}

void AutomaticCommands::applyAutoAdditionPreference() {
    const FlagState state = m_preferences.flagState(Pref::AutoAdditionOn);
    // Switches the caption to Enable; the preference is "false" already.
    if (state == FlagState::False)
        mnuAutoAdditionClick();
    m_settings.setAutoAddition(state == FlagState::True);
}

void AutomaticCommands::applyAutoFillPreference() {
    const FlagState state = m_preferences.flagState(Pref::AutoFillOn);
    m_settings.setAutoFill(state == FlagState::True);
    if (state == FlagState::True)
        urnAutoFillOn1Click();
    else if (state == FlagState::False)
        urnAutoFillOff1Click();
    // Any other value leaves all three items in the menu.
}

} // namespace cw::editor
