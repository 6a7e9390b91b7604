#pragma once

// The ways into alignment: File > Printer Alignment with its test print, and File > Advanced
// Alignment, whose window follows the field last opened on the form. The run's field offsets
// live with the print commands, which every job reads them from; they are loaded from the
// settings file at the main window's first show and change only through the advanced window.
// Both windows are made the first time they are shown, and live until the program ends.

#include "platform/UserRegistry.h"

#include <QObject>
#include <QString>

class QWidget;

namespace cw::prefs {
class TypedPreferences;
}

namespace cw::printdialogs {
class AdvancedAlignmentWindow;
class PrinterAlignmentDialog;
} // namespace cw::printdialogs

namespace cw::editor {

class ApplicationErrorHandler;
class FormCanvas;
class PrintCommands;
class UserDialogs;

class AlignmentCommands : public QObject {
    Q_OBJECT

public:
    struct Context {
        prefs::TypedPreferences& preferences;
        PrintCommands& print;
        FormCanvas& canvas;
        UserDialogs& dialogs;
        ApplicationErrorHandler& errors;
        platform::UserRegistry registry; // where the advanced window remembers its position
        QString settingsFile;            // the field offsets' CWMAIN_Settings.ini
        // Owns the two windows.
        QWidget& window;
    };

    explicit AlignmentCommands(Context context, QObject* parent = nullptr);

    const QString& settingsFile() const { return m_context.settingsFile; }

    // loadFieldOffsets: once, at the main window's first show. A file that cannot be read is
    // told, and every field prints without its own alignment.
    void loadFieldOffsets();

    // P&rinter Alignment..., and the No to the question after a first text-only print.
    void PrintSetup1Click();
    // Advanced Alignment, and the printer-alignment dialog's button of that name.
    void AdvancedAlignment1Click();

    printdialogs::PrinterAlignmentDialog& printerAlignmentDialog();
    printdialogs::AdvancedAlignmentWindow& advancedAlignmentWindow();

private:
    // The sample claim with the values the dialog shows, which are stored for the print only:
    // the seven alignment settings and the print mode are put back afterwards, also when the
    // print fails, and before the failure is told.
    void testPrint();

    Context m_context;
    printdialogs::PrinterAlignmentDialog* m_printerAlignment = nullptr;
    printdialogs::AdvancedAlignmentWindow* m_advancedAlignment = nullptr;
};

} // namespace cw::editor
