#include "editor/AlignmentCommands.h"

#include "editor/ApplicationErrorHandler.h"
#include "editor/FormCanvas.h"
#include "editor/PrintCommands.h"
#include "editor/UserDialogs.h"
#include "model/FieldCatalogue.h"
#include "printdialogs/AdvancedAlignmentWindow.h"
#include "printdialogs/PrinterAlignmentDialog.h"
#include "printing/FieldOffsetsFile.h"

#include <QScopeGuard>

namespace cw::editor {

using prefs::Pref;

AlignmentCommands::AlignmentCommands(Context context, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context)) {
    // The window works on the selected field, also while it is hidden.
    connect(&m_context.canvas, &FormCanvas::fieldEditorOpened, this, [this](int index) {
        if (m_advancedAlignment)
            m_advancedAlignment->loadField(index);
    });
}

void AlignmentCommands::loadFieldOffsets() {
    const Result<printing::FieldOffsets> loaded =
        printing::FieldOffsetsFile(m_context.settingsFile).load();
    if (!loaded) {
        m_context.dialogs.showError(loaded.error());
        return;
    }
    m_context.print.fieldOffsets() = *loaded;
}

printdialogs::PrinterAlignmentDialog& AlignmentCommands::printerAlignmentDialog() {
    if (!m_printerAlignment) {
        m_printerAlignment = new printdialogs::PrinterAlignmentDialog(
            m_context.preferences, [this] { return m_context.print.jobSettings(); },
            &m_context.window);
        m_printerAlignment->setMessageShower(
            [this](const QString& text) { m_context.dialogs.showMessage(text); });
        connect(m_printerAlignment, &printdialogs::PrinterAlignmentDialog::testPrintRequested, this,
                &AlignmentCommands::testPrint);
        connect(m_printerAlignment,
                &printdialogs::PrinterAlignmentDialog::advancedAlignmentRequested, this,
                &AlignmentCommands::AdvancedAlignment1Click);
    }
    return *m_printerAlignment;
}

printdialogs::AdvancedAlignmentWindow& AlignmentCommands::advancedAlignmentWindow() {
    if (!m_advancedAlignment) {
        // Before any field was opened, the first field of the form (the first show opens it).
        const int selected = m_context.canvas.selectedField();
        const int current = selected >= 0 ? selected : model::FieldCatalogue::indexOf(u"edit1a");
        m_advancedAlignment = new printdialogs::AdvancedAlignmentWindow(
            m_context.print.fieldOffsets(), printing::FieldOffsetsFile(m_context.settingsFile),
            m_context.registry, current, &m_context.window);
        m_advancedAlignment->setResetAllQuestion(
            [this](const QString& text) { return m_context.dialogs.askYesNo(text); });
        m_advancedAlignment->setErrorShower(
            [this](const QString& text) { m_context.dialogs.showError(text); });
    }
    return *m_advancedAlignment;
}

void AlignmentCommands::PrintSetup1Click() {
    printerAlignmentDialog().init();
}

void AlignmentCommands::AdvancedAlignment1Click() {
    printdialogs::AdvancedAlignmentWindow& window = advancedAlignmentWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void AlignmentCommands::testPrint() {
    prefs::TypedPreferences& preferences = m_context.preferences;
    const prefs::TypedPreferences::KeptTexts kept = preferences.keepTexts(
        {Pref::PrintAlignment1, Pref::PrintAlignment2, Pref::PrintAlignment3, Pref::PrintAlignment4,
         Pref::PrintAlignment5, Pref::PrintAlignment6, Pref::PrintAlignment7, Pref::PrintMode});
    Result<void> printed;
    {
        const auto putBack = qScopeGuard([&] { preferences.restoreTexts(kept); });
        printerAlignmentDialog().steps().store(preferences);
        preferences.setPrintMode(Pref::PrintMode, prefs::PrintMode::Regular);
        printed = m_context.print.printSampleClaim();
    }
    if (!printed)
        m_context.errors.handle(printed.error());
}

} // namespace cw::editor
