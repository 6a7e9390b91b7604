#pragma once

// A main window on a temporary home, with scripted dialogs, shown offscreen.

#include "ScriptedDialogs.h"
#include "TempHome.h"
#include "editor/MainWindow.h"
#include "prefs/PreferencesStore.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace cw::editor {
class FieldEditor;
}

// The catalogue index of a field name.
int fieldIndex(const char* fieldName);

class EditorFixture {
public:
    // prepare runs in the new home before the window is made.
    explicit EditorFixture(const QStringList& files = {},
                           const std::function<void(const cw::test::TempHome&)>& prepare = {});
    // The preference folders of a window in that home: all of them inside it.
    static cw::prefs::PreferencesFolders foldersIn(const cw::test::TempHome& home);
    ~EditorFixture();

    cw::editor::MainWindow& window() { return *m_window; }
    ScriptedDialogs& dialogs() { return m_dialogs; }
    const cw::test::TempHome& home() const { return m_home; }

    // Opens the field's editor by clicking its caption label.
    cw::editor::FieldEditor* open(const char* fieldName);
    // Opens the field's editor, then types the text over its value.
    void type(const char* fieldName, const QString& text);
    QString text(const char* fieldName) const;
    QString labelText(const char* fieldName) const;
    // The folder where claims are opened and saved, ending in "/".
    QString dataFolder() const;

private:
    cw::test::TempHome m_home;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<cw::editor::MainWindow> m_window;
};
