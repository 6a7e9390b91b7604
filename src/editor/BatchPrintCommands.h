#pragma once

// Batch printing: a queue of saved claim files, one choice of print mode and printer for all of
// them, then each file opened as the editor opens a claim and printed with its own number of
// copies, each its own print job. A progress window shows the run and can stop it; one message
// at its end says how many claims printed and names every one that did not, with the reason.

#include "printdialogs/BatchQueueWindow.h"

#include <QList>
#include <QObject>

#include <functional>

class QPrinter;
class QWidget;

namespace cw::model {
class ClaimDocument;
}

namespace cw::printing {
class PrintBatch;
}

namespace cw::editor {

class BatchSummary;
class DocumentCommands;
class PrintCommands;
class UserDialogs;

class BatchPrintCommands : public QObject {
    Q_OBJECT

public:
    struct Context {
        DocumentCommands& documents;
        PrintCommands& printing;
        const model::ClaimDocument& document;
        UserDialogs& dialogs;
        // Owns the queue and the progress window.
        QWidget& window;
    };

    explicit BatchPrintCommands(Context context, QObject* parent = nullptr);

    void BatchPrinting1Click();

    // The queue window's question: the print list, empty for Cancel. The window's modal show,
    // unless replaced (tests answer it without a modal loop).
    void setQueueQuestion(std::function<QList<printdialogs::QueuedClaim>()> ask) {
        m_askQueue = std::move(ask);
    }

private:
    BatchSummary printAll(const QList<printdialogs::QueuedClaim>& queue, QPrinter& printer);
    // Opens the claim file in the editor and prints it.
    void printOne(printing::PrintBatch& batch, const printdialogs::QueuedClaim& claim,
                  BatchSummary& summary);
    // Made the first time it is shown.
    printdialogs::BatchQueueWindow& queueWindow();

    Context m_context;
    printdialogs::BatchQueueWindow* m_queueWindow = nullptr;
    std::function<QList<printdialogs::QueuedClaim>()> m_askQueue;
};

} // namespace cw::editor
