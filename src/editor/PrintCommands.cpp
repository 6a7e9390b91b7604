#include "editor/PrintCommands.h"

#include "editor/ApplicationErrorHandler.h"
#include "editor/BusyCursor.h"
#include "editor/UserDialogs.h"
#include "printdialogs/FontSettingsDialog.h"
#include "printdialogs/PrintModeDialog.h"
#include "printing/PrintFontSettings.h"

namespace cw::editor {

using prefs::FlagState;
using prefs::Pref;

PrintCommands::PrintCommands(Context context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_printMode(context.preferences) {
    m_askPrintMode = [this] {
        return printModeDialog().formshowmodal() == QDialog::Accepted;
    };
}

QPrinter& PrintCommands::printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

printdialogs::PrintModeDialog& PrintCommands::printModeDialog() {
    if (!m_printModeDialog)
        m_printModeDialog = new printdialogs::PrintModeDialog(m_printMode, &m_context.window);
    return *m_printModeDialog;
}

printdialogs::FontSettingsDialog& PrintCommands::fontDialog() {
    if (!m_fontDialog)
        m_fontDialog = new printdialogs::FontSettingsDialog(m_context.font, &m_context.window);
    return *m_fontDialog;
}

printing::PrintJobSettings PrintCommands::jobSettings() const {
    return printing::loadPrintJobSettings(m_context.preferences, m_fieldOffsets);
}

bool PrintCommands::printLoadedClaim(QPrinter& printer, int copies) {
    const BusyCursor busy;
    const auto printed = m_engine.printClaim(
        printer, printing::TextSource::claim(m_context.document.values()), copies, jobSettings());
    if (!printed) {
        m_context.errors.handle(printed.error());
        return false;
    }
    return true;
}

Result<void> PrintCommands::printSampleClaim() {
    const BusyCursor busy;
    const auto printed =
        m_engine.printClaim(printer(), printing::TextSource::sample(), 1, jobSettings());
    if (!printed)
        return Error{printed.error()};
    return {};
}

void PrintCommands::Print1Click() {
    if (m_mayPrint && !m_mayPrint())
        return;
    bool firstTextOnlyPrint = false;
    bool printModeCancelled = false;
    prefs::TypedPreferences& preferences = m_context.preferences;
    if (preferences.flagState(Pref::SeenPrinting) == FlagState::False) {
        printModeCancelled = !m_askPrintMode();
        preferences.setFlag(Pref::SeenPrinting, true);
    }
    if (!printModeCancelled &&
        preferences.flagState(Pref::SeenTextOnlyPrinting) == FlagState::False &&
        m_printMode.isTextOnly()) {
        preferences.setFlag(Pref::SeenTextOnlyPrinting, true);
        firstTextOnlyPrint = true;
    }

    if (!m_context.dialogs.choosePrinter(printer()))
        return; // a cancelled first text-only print uses up its reminder and question
    if (firstTextOnlyPrint)
        m_context.dialogs.showMessage(tr("Make sure your printer is loaded with at least one "
                                         "UB-92 form."));
    if (!printLoadedClaim(printer(), printer().copyCount()) || !firstTextOnlyPrint)
        return;

    if (!m_context.dialogs.askYesNo(tr("     Did the printed text line up with the form?\n"
                                       "(Clicking no will load the print alignment screen.)")) &&
        m_openPrinterAlignment)
        m_openPrinterAlignment();
}

void PrintCommands::PrintPreview1Click() {
    m_context.dialogs.showPrintPreview(printer(), [this](QPrinter& preview) {
        const auto drawn = m_engine.previewClaim(
            preview, printing::TextSource::claim(m_context.document.values()), jobSettings());
        if (!drawn)
            m_context.errors.handle(drawn.error());
    });
}

void PrintCommands::Print2Click() {
    printModeDialog().formshow();
}

void PrintCommands::PrintFont1Click() {
    fontDialog().formshow();
}

QString PrintCommands::printEntryCaption(const QString& current) const {
    switch (m_printMode.mode()) {
    case prefs::PrintMode::Regular:
        return tr("&Print... (Text Only)");
    case prefs::PrintMode::LinesAndBoxes:
        return tr("&Print... (Text && Form)");
    case prefs::PrintMode::Unknown:
        break;
    }
    return current;
}

} // namespace cw::editor
