#pragma once

// The print engine. One call is one print job: it bends the print positions by the page and
// field offsets, draws the form picture when the print mode asks for one, then every field's
// text, and logs each step. It prints on whatever printer it is given: a CUPS printer or a PDF
// file. A printer that cannot make copies itself (a PDF file) gets one page per copy.
//
// One engine lives for the run: it counts the jobs and keeps the decoded form picture.
// PrintBatch prints claims one after another, each a job of its own.

#include "platform/Result.h"
#include "printing/FormPicture.h"
#include "printing/PrintJobSettings.h"
#include "printing/PrintPositions.h"
#include "printing/TextSource.h"

#include <QString>

#include <memory>
#include <span>

class QPainter;
class QPrinter;

namespace cw::printing {

struct PrintedJob {
    int jobNumber = 0;
    int pageCount = 0; // pages drawn; the printer may make copies of them
    QString pdfPath;   // the PDF file written, empty for a printer
};

class PrintEngine {
public:
    PrintEngine() = default;
    explicit PrintEngine(FormPictures pictures);

    // printClaim: one text source, copies >= 1. The sample text never gets a picture.
    Result<PrintedJob> printClaim(QPrinter& printer, const TextSource& text, int copies,
                                  const PrintJobSettings& settings);
    // One job, one document: the pages of every text source in turn.
    Result<PrintedJob> printClaims(QPrinter& printer, std::span<const TextSource> texts, int copies,
                                   const PrintJobSettings& settings);

    // Print preview: the page printClaim would draw, on a printer that only shows it. No
    // document is sent, so no job is counted and no file is written.
    Result<void> previewClaim(QPrinter& preview, const TextSource& text,
                              const PrintJobSettings& settings);

private:
    friend class PrintBatch;
    // A document open on a printer, into which jobs draw their pages one after another.
    class Document;

    // Where this job's page offsets and print positions put everything.
    struct PageLayout {
        PageOffsets pageOffsets;
        PrintPositions positions;
    };
    static Result<PageLayout> pageLayout(const PrintJobSettings& settings);

    // The pages of texts, after the pagesBefore pages the open document has already; the
    // number of pages drawn.
    Result<int> drawPages(QPainter& painter, QPrinter& printer, std::span<const TextSource> texts,
                          int pagesPerCopy, int pagesBefore, const PageLayout& layout,
                          const PrintJobSettings& settings);

    int m_jobCounter = 0;
    FormPictures m_pictures;
};

// Claims printed one after another, each a job of its own (in the print log too) with its own
// number of copies. On a printer every claim is a document of its own, sent as soon as it is
// drawn. A PDF file gets them all, one page per copy, in one document that stays open between
// the claims and replaces the file only when finish() ends it: a batch left unfinished writes
// nothing, and after a failure inside that document it takes no more claims.
class PrintBatch {
public:
    PrintBatch(PrintEngine& engine, QPrinter& printer);
    ~PrintBatch();
    PrintBatch(const PrintBatch&) = delete;
    PrintBatch& operator=(const PrintBatch&) = delete;

    Result<PrintedJob> printClaim(const TextSource& text, int copies,
                                  const PrintJobSettings& settings);

    // Ends the PDF document and puts the file in place: its path; empty for a printer, and
    // when nothing was printed into it.
    Result<QString> finish();

private:
    PrintEngine& m_engine;
    QPrinter& m_printer;
    std::unique_ptr<PrintEngine::Document> m_pdfDocument; // none on a printer
};

} // namespace cw::printing
