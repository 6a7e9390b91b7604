#include "editor/BatchPrintCommands.h"

#include "editor/BatchSummary.h"
#include "editor/BusyCursor.h"
#include "editor/DocumentCommands.h"
#include "editor/PrintCommands.h"
#include "editor/UserDialogs.h"
#include "printdialogs/BatchProgressWindow.h"
#include "printing/PrintEngine.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace cw::editor {

using printdialogs::QueuedClaim;

BatchPrintCommands::BatchPrintCommands(Context context, QObject* parent)
    : QObject(parent)
    , m_context(context) {
    m_askQueue = [this] {
        return queueWindow().showModally();
    };
}

printdialogs::BatchQueueWindow& BatchPrintCommands::queueWindow() {
    if (!m_queueWindow)
        m_queueWindow = new printdialogs::BatchQueueWindow(
            [this] { return m_context.documents.chooseClaimFiles(); }, &m_context.window);
    return *m_queueWindow;
}

void BatchPrintCommands::BatchPrinting1Click() {
    DocumentCommands& documents = m_context.documents;
    if (!documents.askFirst())
        return;
    // The claim-file dialog of Add Files starts there; a folder that is gone is made anew.
    (void)documents.dataFolder();
    const QList<QueuedClaim> queue = m_askQueue();
    if (queue.isEmpty() || !m_context.printing.askPrintMode())
        return;
    // The printer chosen serves every claim; the copies chosen there do not.
    QPrinter& printer = m_context.printing.printer();
    if (!m_context.dialogs.choosePrinter(printer))
        return;
    const BatchSummary summary = printAll(queue, printer);
    if (summary.anySkipped())
        m_context.dialogs.showError(summary.text());
    else
        m_context.dialogs.showMessage(summary.text());
}

BatchSummary BatchPrintCommands::printAll(const QList<QueuedClaim>& queue, QPrinter& printer) {
    BatchSummary summary;
    printdialogs::BatchProgressWindow progress(&m_context.window);
    progress.show();
    printing::PrintBatch batch(m_context.printing.engine(), printer);
    const auto count = int(queue.size());
    for (int i = 0; i < count; ++i) {
        const QueuedClaim& claim = queue[i];
        if (progress.isStopRequested()) {
            summary.notReached(claim.path);
            continue;
        }
        progress.showClaim(i + 1, count, QFileInfo(claim.path).fileName());
        // The window is painted; a Stop pressed while it names this claim ends the run after
        // the claim.
        QCoreApplication::processEvents();
        printOne(batch, claim, summary);
        QCoreApplication::processEvents();
    }
    const Result<QString> written = batch.finish();
    if (!written)
        summary.pdfFailed(written.error());
    else if (!written->isEmpty())
        summary.wroteTo(*written);
    return summary;
}

void BatchPrintCommands::printOne(printing::PrintBatch& batch, const QueuedClaim& claim,
                                  BatchSummary& summary) {
    DocumentCommands& documents = m_context.documents;
    documents.rememberFolderOf(claim.path);
    const Result<OpenOutcome> opened = documents.loadClaimFile(claim.path, true);
    if (!opened) {
        summary.skipped(claim.path, opened.error());
        return;
    }
    if (*opened == OpenOutcome::KeptUnsaved) {
        summary.skipped(claim.path,
                        tr("The claim on the screen has unsaved changes, which were kept."));
        return;
    }
    const BusyCursor busy;
    const Result<printing::PrintedJob> job =
        batch.printClaim(printing::TextSource::claim(m_context.document.values()), claim.copies,
                         m_context.printing.jobSettings());
    if (!job) {
        summary.skipped(claim.path, job.error());
        return;
    }
    summary.printed(claim.path);
}

} // namespace cw::editor
