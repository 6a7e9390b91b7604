#include "editor/ExportCommands.h"

#include "editor/DocumentCommands.h"
#include "editor/UserDialogs.h"
#include "export/ClaimXml.h"
#include "export/ClaimsWorkbook.h"
#include "export/ExportFileName.h"
#include "export/WordDocument.h"
#include "export/WorkbookFile.h"
#include "model/ClaimDocument.h"
#include "platform/FileAccess.h"

#include <QDesktopServices>
#include <QDir>

namespace cw::editor {

ExportCommands::ExportCommands(Context context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_openFile([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

QString ExportCommands::chooseFile(const QString& proposedName, const QString& filter,
                                   const QString& suffix, bool confirmOverwrite) {
    FileDialogRequest request{
        m_context.documents.dataFolder(), proposedName, {filter, tr("All Files (*)")}, suffix};
    request.confirmOverwrite = confirmOverwrite;
    return m_context.dialogs.chooseFileToSave(request).value_or(QString());
}

bool ExportCommands::write(const QString& fileName, const QByteArray& bytes) {
    const Result<void> written = platform::writeFileAtomically(fileName, bytes);
    // The next file dialog starts there even when the file could not be written.
    m_context.documents.rememberFolderOf(fileName);
    if (!written)
        m_context.dialogs.showError(tr("The file could not be saved. Try saving to a different "
                                       "folder, such as Desktop or My Documents.") +
                                    QStringLiteral("\n\n") + written.error());
    return written.ok();
}

void ExportCommands::openWritten(const QString& fileName) {
    if (!m_openFile(QUrl::fromLocalFile(fileName)))
        m_context.dialogs.showMessage(
            tr("The claim was saved as %1. No program on this computer is set up to open it; "
               "open it from there in the program of your choice.")
                .arg(QDir::toNativeSeparators(fileName)));
}

void ExportCommands::XML1Click() {
    const model::ClaimValues& values = m_context.document.values();
    const QByteArray xml = exports::claimXml(values);
    const QString fileName =
        chooseFile(exports::exportBaseName(values), tr("Extensible Markup Language File (*.xml)"),
                   QStringLiteral("xml"), true);
    if (!fileName.isEmpty())
        write(fileName, xml);
}

void ExportCommands::MicrosoftWord1Click() {
    const model::ClaimValues& values = m_context.document.values();
    const QString fileName = chooseFile(exports::exportBaseName(values),
                                        tr("Word Document (*.docx)"), QStringLiteral("docx"), true);
    if (fileName.isEmpty())
        return;
    const Result<QByteArray> document = exports::claimWordDocument(values);
    if (!document) {
        m_context.dialogs.showError(document.error());
        return;
    }
    if (write(fileName, *document))
        openWritten(fileName);
}

void ExportCommands::MicrosoftExcel1Click() {
    // The claims collect in one workbook, so choosing it again adds to it, not replaces it.
    const QString fileName =
        chooseFile(exports::kClaimsSheetName + QStringLiteral(".xlsx"),
                   tr("Excel Workbook (*.xlsx)"), QStringLiteral("xlsx"), false);
    if (fileName.isEmpty())
        return;
    const Result<QByteArray> workbook =
        exports::workbookWithClaims(fileName, {m_context.document.values()});
    if (!workbook) {
        m_context.dialogs.showMessage(workbook.error());
        return;
    }
    if (write(fileName, *workbook))
        openWritten(fileName);
}

} // namespace cw::editor
