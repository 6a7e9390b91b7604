#pragma once

// The File menu's way into printing: the Print command with its first-print guidance, Print
// Preview, the alignment test print, and the print-mode and print-font dialogs. It holds what
// printing keeps for the run: the print engine, the printer chosen last, the print mode and the
// field offsets.

#include "model/ClaimDocument.h"
#include "printing/FieldOffsets.h"
#include "printing/PrintEngine.h"
#include "printing/PrintModeSettings.h"

#include <QObject>
#include <QPrinter>

#include <functional>
#include <memory>

class QWidget;

namespace cw::printing {
class PrintFontSettings;
}

namespace cw::printdialogs {
class FontSettingsDialog;
class PrintModeDialog;
} // namespace cw::printdialogs

namespace cw::editor {

class UserDialogs;
class ApplicationErrorHandler;

class PrintCommands : public QObject {
    Q_OBJECT

public:
    struct Context {
        const model::ClaimDocument& document;
        prefs::TypedPreferences& preferences;
        printing::PrintFontSettings& font;
        UserDialogs& dialogs;
        ApplicationErrorHandler& errors;
        // Owns the two dialogs.
        QWidget& window;
    };

    explicit PrintCommands(Context context, QObject* parent = nullptr);

    void Print1Click();
    void PrintPreview1Click();
    // Print Mode... and Print Font...: the dialogs shown without waiting.
    void Print2Click();
    void PrintFont1Click();

    // The Print entry's caption as the File menu opens: it follows the print mode, and keeps
    // the current caption for a mode it does not know.
    QString printEntryCaption(const QString& current) const;

    // The print-mode question before a first print; true for OK. The dialog's modal show,
    // unless replaced (tests answer it without a modal loop).
    void setPrintModeQuestion(std::function<bool()> ask) { m_askPrintMode = std::move(ask); }
    // Asked before the print dialog; false stops the print.
    void setPrintQuestion(std::function<bool()> mayPrint) { m_mayPrint = std::move(mayPrint); }
    // What the alignment question's No opens.
    void setPrinterAlignmentCommand(std::function<void()> open) {
        m_openPrinterAlignment = std::move(open);
    }

    // Made on first use: finding the system's printers takes longer than the whole start-up.
    QPrinter& printer();
    printing::PrintModeSettings& printMode() { return m_printMode; }
    // The run's per-field offsets, which advanced alignment loads and sets.
    printing::FieldOffsets& fieldOffsets() { return m_fieldOffsets; }

    // The committed settings as a job reads them, loaded afresh for every job.
    printing::PrintJobSettings jobSettings() const;

    // The alignment test print: the sample claim, one copy, on the printer chosen last (the
    // system's default printer until one is chosen), with the settings as they are now. The
    // failure is returned, so that the caller puts its settings back before it is told.
    Result<void> printSampleClaim();

    // What batch printing prints with besides the job settings: the print-mode question (true
    // for OK) and the run's engine.
    bool askPrintMode() { return m_askPrintMode(); }
    printing::PrintEngine& engine() { return m_engine; }

private:
    // Prints the claim on the screen; failures go to the error handler. True when it printed.
    bool printLoadedClaim(QPrinter& printer, int copies);

    Context m_context;
    printing::PrintModeSettings m_printMode;
    // All 0 until advanced alignment loads or sets them.
    printing::FieldOffsets m_fieldOffsets;
    printing::PrintEngine m_engine;
    printdialogs::PrintModeDialog& printModeDialog();
    printdialogs::FontSettingsDialog& fontDialog();

    std::unique_ptr<QPrinter> m_printer;
    // Made the first time they are shown; they read the committed settings when they are made.
    printdialogs::PrintModeDialog* m_printModeDialog = nullptr;
    printdialogs::FontSettingsDialog* m_fontDialog = nullptr;
    std::function<bool()> m_askPrintMode;
    std::function<void()> m_openPrinterAlignment;
    std::function<bool()> m_mayPrint;
};

} // namespace cw::editor
