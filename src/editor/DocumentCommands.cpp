#include "editor/DocumentCommands.h"

#include "editor/ApplicationErrorHandler.h"
#include "editor/AutomaticSettings.h"
#include "editor/CaptionLabel.h"
#include "editor/FormCanvas.h"
#include "editor/ProgramTitle.h"
#include "editor/ProposedFileName.h"
#include "model/ClaimFile.h"
#include "prefs/PreferencesStore.h"

#include <QFileInfo>

namespace cw::editor {

using model::DocumentState;
using model::FieldCatalogue;
using prefs::Pref;

namespace {

// The provider lines and tax number that New > Patient brings back.
struct TemplateField {
    const char16_t* field;
    Pref slot;
};
const TemplateField kProviderTemplate[] = {{u"edit1a", Pref::TemplateAddressOne1},
                                           {u"edit2a", Pref::TemplateAddressOne2},
                                           {u"edit3a", Pref::TemplateAddressOne3},
                                           {u"edit4a", Pref::TemplateAddressOne4},
                                           {u"edit4b", Pref::TemplateTaxId1}};

QStringList claimFileFilters() {
    return {QObject::tr("UB-04/CMS 1450 Claimwright File (*.ub4)"), QObject::tr("All Files (*)")};
}

int indexOf(const char16_t* name) {
    return FieldCatalogue::indexOf(QStringView(name));
}

bool isServiceLineField(int index) {
    return FieldCatalogue::coordinates(index).isServiceLine();
}

bool isProviderLine(int index) {
    return index == indexOf(u"edit1a") || index == indexOf(u"edit2a") ||
           index == indexOf(u"edit3a") || index == indexOf(u"edit4a");
}

} // namespace

DocumentCommands::DocumentCommands(Context context, QObject* parent)
    : QObject(parent)
    , m_context(context) {}

void DocumentCommands::setTitleFromFileName(const QString& fileName) {
    emit titleChanged(QFileInfo(fileName).fileName() + QStringLiteral(" - ") + programTitle());
}

SaveAnswer DocumentCommands::promptToSave(SavePrompt prompt) {
    // A prompt already showing is not shown twice (a second close or command meanwhile).
    m_promptShowing = true;
    const SaveAnswer answer = m_context.dialogs.askSaveChanges(prompt);
    m_promptShowing = false;
    return answer;
}

bool DocumentCommands::askFirst() {
    if (!status().modified || m_promptShowing)
        return !status().modified;
    switch (promptToSave(SavePrompt::BeforeReplacing)) {
    case SaveAnswer::Yes:
        // A save the user confirmed but that could not be written keeps the claim: replacing it
        // now would lose the typing the user just asked to keep.
        if (SaveAs1Click() != SaveAsOutcome::Failed)
            m_context.document.clearModified();
        break;
    case SaveAnswer::No:
        m_context.document.clearModified();
        break;
    case SaveAnswer::Cancel:
        m_context.document.markModified();
        break;
    case SaveAnswer::Closed:
        break;
    }
    return !status().modified;
}

void DocumentCommands::emptyFields(const std::function<bool(int)>& shouldEmpty) {
    // Emptying copies nothing down and sums nothing: the totals end empty like every field.
    const SuspendedAutomaticSettings suspended(m_context.settings);
    for (int i = 0; i < model::kFieldCount; ++i)
        if (shouldEmpty(i))
            m_context.document.setValue(i, QString(), model::ValueSource::Program);
}

void DocumentCommands::startNewClaim(bool samePatient) {
    m_context.document.setState(DocumentState::New);
    m_context.document.setSamePatient(samePatient);
    m_context.document.clearModified();
    emit titleChanged(programTitle());
    emit claimReplaced();
}

void DocumentCommands::openFirstField() {
    m_context.canvas.openFieldEditor(m_context.canvas.captionLabel(indexOf(u"edit1a")));
}

void DocumentCommands::FormforCurrentPatient1Click() {
    if (!askFirst())
        return;
    m_context.settings.setGateOpen(true);
    m_context.settings.typedCells().clearTypedCellFlags();
    const int from = indexOf(u"edit4c");
    const int through = indexOf(u"edit4d");
    emptyFields([&](int i) { return i == from || i == through || isServiceLineField(i); });
    startNewClaim(true);
}

void DocumentCommands::Pa1Click() {
    m_context.settings.setGateOpen(true);
    if (!askFirst())
        return;
    m_context.settings.typedCells().clearTypedCellFlags();
    emptyFields([](int i) { return !isProviderLine(i); });
    for (const TemplateField& t : kProviderTemplate)
        m_context.document.setValue(indexOf(t.field), m_context.preferences.settings().text(t.slot),
                                    model::ValueSource::Program);
    startNewClaim(false);
    openFirstField();
}

void DocumentCommands::BlankForm1Click() {
    m_context.settings.setGateOpen(true);
    if (!askFirst())
        return;
    m_context.settings.typedCells().clearTypedCellFlags();
    emptyFields([](int) { return true; });
    startNewClaim(false);
    openFirstField();
}

QString DocumentCommands::dataFolder() {
    prefs::PreferencesStore& store = m_context.preferences;
    if (!QFileInfo(store.settings().text(Pref::UserDataPath).trimmed()).isDir()) {
        // A folder that cannot be made leaves the dialog to start where it can.
        (void)store.makeDefaultDataFolder();
    }
    return store.settings().text(Pref::UserDataPath).trimmed();
}

void DocumentCommands::Open1Click() {
    if (!askFirst())
        return;
    const auto chosen =
        m_context.dialogs.chooseFileToOpen({dataFolder(), {}, claimFileFilters(), {}});
    if (!chosen)
        return;
    rememberFolderOf(*chosen);
    openClaimFile(*chosen, false);
}

void DocumentCommands::rememberFolderOf(const QString& fileName) {
    m_context.preferences.settings().setText(Pref::UserDataPath,
                                             QFileInfo(fileName).absolutePath().trimmed() + u'/');
}

QStringList DocumentCommands::chooseClaimFiles() {
    return m_context.dialogs.chooseFilesToOpen({dataFolder(), {}, claimFileFilters(), {}});
}

bool DocumentCommands::maySaveOver(const QString& fileName) {
    if (!m_fileVersions.changedSince(fileName))
        return true;
    switch (m_context.dialogs.askSaveOverChangedFile()) {
    case ChangedFileAnswer::SaveOver:
        return true;
    case ChangedFileAnswer::SaveAs:
        SaveAs1Click();
        return false;
    case ChangedFileAnswer::Cancel:
        break;
    }
    return false;
}

void DocumentCommands::Save1Click() {
    const DocumentState state = status().state;
    if (state == DocumentState::New ||
        (state == DocumentState::Open && status().patientOrLinesTyped)) {
        SaveAs1Click();
        return;
    }
    const QString fileName = status().currentFileName;
    if (fileName.isEmpty()) {
        SaveAs1Click();
        return;
    }
    if (!maySaveOver(fileName))
        return;
    const model::ClaimValues claim = m_context.document.values();
    if (!model::writeClaimFile(fileName, claim)) {
        SaveAs1Click();
        return;
    }
    m_fileVersions.rememberSaved(fileName, claim);
    storeProviderTemplate();
    setTitleFromFileName(fileName);
    m_context.document.clearModified();
    emit claimFileSaved(fileName);
}

SaveAsOutcome DocumentCommands::SaveAs1Click() {
    const bool forClosing = std::exchange(m_saveAsForClosing, false);
    const model::ClaimValues claim = m_context.document.values();

    const QString folder = dataFolder();
    QString nameFolder = folder.isEmpty() ? m_context.programFolder : folder;
    if (!nameFolder.endsWith(u'/'))
        nameFolder += u'/';

    QString proposed;
    if (status().state != DocumentState::New || status().samePatient) {
        proposed = status().currentFileName;
    } else {
        const ProposedNameInput input{claim.value(u"edit6a"), claim.value(u"edit16d"),
                                      claim.value(u"edit4c"), claim.value(u"edit38k")};
        proposed = proposeFileName(
            input, [&](const QString& name) { return QFileInfo::exists(nameFolder + name); });
    }
    proposed = QFileInfo(proposed).fileName().remove(QStringLiteral(".ub4"), Qt::CaseInsensitive);

    const auto chosen = m_context.dialogs.chooseFileToSave(
        {folder, proposed, claimFileFilters(), QStringLiteral("ub4")});
    SaveAsOutcome outcome = SaveAsOutcome::Cancelled;
    if (chosen) {
        outcome = SaveAsOutcome::Saved;
        if (!chosen->isEmpty()) {
            if (const auto written = model::writeClaimFile(*chosen, claim); !written) {
                // The claim stays unsaved: claiming otherwise would let the typing be lost.
                m_context.dialogs.showError(
                    tr("The file could not be saved. Try saving to a different folder, such as "
                       "Desktop or My Documents.") +
                    QStringLiteral("\n\n") + written.error());
                outcome = SaveAsOutcome::Failed;
            } else {
                m_fileVersions.rememberSaved(*chosen, claim);
                rememberFolderOf(*chosen);
                emit claimFileSaved(*chosen);
            }
        }
        if (outcome == SaveAsOutcome::Saved) {
            storeProviderTemplate();
            m_context.document.setState(DocumentState::SaveAs);
            m_context.document.clearModified();
            m_context.document.setCurrentFileName(*chosen);
            setTitleFromFileName(*chosen);
        }
    }
    if (forClosing)
        emit closeRequested();
    return outcome;
}

void DocumentCommands::storeProviderTemplate() {
    for (const TemplateField& t : kProviderTemplate)
        m_context.preferences.settings().setText(t.slot,
                                                 m_context.document.value(indexOf(t.field)));
}

std::optional<OpenOutcome> DocumentCommands::openClaimFile(const QString& fileName,
                                                           bool askFirstToSave) {
    const Result<OpenOutcome> opened = loadClaimFile(fileName, askFirstToSave);
    if (!opened) {
        m_context.errors.handle(opened.error());
        return std::nullopt;
    }
    if (*opened == OpenOutcome::Opened && !fileName.isEmpty())
        emit claimFileOpened(fileName);
    return *opened;
}

Result<OpenOutcome> DocumentCommands::loadClaimFile(const QString& fileName, bool askFirstToSave) {
    const SuspendedAutomaticSettings suspended(m_context.settings);
    if (askFirstToSave && status().modified && !askFirst())
        return OpenOutcome::KeptUnsaved;

    // The file is read before anything changes, so a file that cannot be read leaves the
    // claim, its title and its state exactly as they were.
    model::ClaimValues values;
    if (!fileName.isEmpty()) {
        auto version = ClaimFileVersions::onDisk(fileName);
        auto read = model::readClaimFile(fileName);
        if (!read)
            return Error{read.error()};
        values = std::move(read).value();
        m_fileVersions.rememberOpened(fileName, std::move(version));
    }

    showLoadedClaim(values, fileName);
    return OpenOutcome::Opened;
}

void DocumentCommands::showLoadedClaim(const model::ClaimValues& values, const QString& fileName) {
    m_context.document.setState(DocumentState::Open);
    m_context.settings.setGateOpen(false);
    m_context.document.setCurrentFileName(fileName);
    setTitleFromFileName(fileName);
    m_context.document.setValues(values, model::ValueSource::Loading);
    m_context.settings.setGateOpen(true);
    m_context.document.clearModified();
    emit claimReplaced();
}

void DocumentCommands::restoreUnsavedClaim(const model::ClaimValues& values,
                                           const model::DocumentStatus& was, const QString& title,
                                           std::optional<platform::DiskVersion> onDisk) {
    const SuspendedAutomaticSettings suspended(m_context.settings);
    showLoadedClaim(values, was.currentFileName);
    m_fileVersions.rememberOpened(was.currentFileName, std::move(onDisk));
    m_context.document.setState(was.state);
    m_context.document.setSamePatient(was.samePatient);
    // The document sets the typing flag only for typing; this is the patient name's.
    if (was.patientOrLinesTyped)
        m_context.document.recordTypedCharacter(indexOf(u"edit6a"));
    else
        m_context.document.markModified();
    emit titleChanged(title);
}

bool DocumentCommands::mayClose() {
    if (!status().modified)
        return true;
    if (m_promptShowing)
        return false;
    switch (promptToSave(SavePrompt::BeforeClosing)) {
    case SaveAnswer::Yes:
        m_saveAsForClosing = true;
        SaveAs1Click();
        break;
    case SaveAnswer::No:
        m_context.document.clearModified();
        emit closeRequested();
        break;
    case SaveAnswer::Cancel:
        m_context.document.markModified();
        break;
    case SaveAnswer::Closed:
        break;
    }
    return false;
}

} // namespace cw::editor
