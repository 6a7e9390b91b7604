#include "editor/PrintCommands.h"

#include "editor/ApplicationErrorHandler.h"
#include "editor/FormCanvas.h"
#include "platform/UserDialogs.h"
#include "printing/FontSettingsDialog.h"
#include "printing/PrintFontSettings.h"
#include "printing/PrintModeDialog.h"

namespace cw::editor {

using prefs::Pref;

namespace {

bool isFalse(const QString& flag) {
    return flag.toLower() == u"false";
}

} // namespace

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

printing::PrintModeDialog& PrintCommands::printModeDialog() {
    if (!m_printModeDialog)
        m_printModeDialog = new printing::PrintModeDialog(m_printMode, &m_context.window);
    return *m_printModeDialog;
}

printing::FontSettingsDialog& PrintCommands::fontDialog() {
    if (!m_fontDialog)
        m_fontDialog = new printing::FontSettingsDialog(m_context.font, &m_context.window);
    return *m_fontDialog;
}

printing::PrintSettings PrintCommands::settings() const {
    return {m_printMode, m_context.font, m_fieldOffsets, m_context.preferences};
}

bool PrintCommands::printLoadedClaim(QPrinter& printer, int copies) {
    const model::ClaimValues values = m_context.canvas.values();
    const auto printed =
        m_engine.printClaim(printer, printing::TextSource::claim(values), copies, settings());
    if (!printed) {
        m_context.errors.handle(printed.error());
        return false;
    }
    return true;
}

void PrintCommands::Print1Click() {
    bool firstTextOnlyPrint = false;
    bool printModeCancelled = false;
    if (isFalse(pref(Pref::SeenPrinting))) {
        printModeCancelled = !m_askPrintMode();
        pref(Pref::SeenPrinting) = QStringLiteral("true");
    }
    if (!printModeCancelled && isFalse(pref(Pref::SeenTextOnlyPrinting)) &&
        m_printMode.mode() == u"regular") {
        pref(Pref::SeenTextOnlyPrinting) = QStringLiteral("true");
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
        const model::ClaimValues values = m_context.canvas.values();
        const auto drawn =
            m_engine.previewClaim(preview, printing::TextSource::claim(values), settings());
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
    if (m_printMode.mode() == u"regular")
        return tr("&Print... (Text Only)");
    if (m_printMode.mode() == u"linesandboxes")
        return tr("&Print... (Text && Form)");
    return current;
}

} // namespace cw::editor
