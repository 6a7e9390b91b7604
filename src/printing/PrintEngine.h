#pragma once

// The print engine. One call is one print job: it bends the print positions by the page and
// field offsets, draws the form picture when the print mode asks for one, then every field's
// text, and logs each step. It prints on whatever printer it is given: a CUPS printer or a PDF
// file. A printer that cannot make copies itself (a PDF file) gets one page per copy.
//
// One engine lives for the run: it counts the jobs and keeps the decoded form picture.

#include "platform/Result.h"
#include "printing/FormPicture.h"
#include "printing/PrintJobSettings.h"
#include "printing/PrintPositions.h"
#include "printing/TextSource.h"

#include <QString>

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
    // Where this job's page offsets and print positions put everything.
    struct PageLayout {
        PageOffsets pageOffsets;
        PrintPositions positions;
    };
    static Result<PageLayout> pageLayout(const PrintJobSettings& settings);

    // Every page of the open document; the number of pages drawn.
    Result<int> drawPages(QPainter& painter, QPrinter& printer, std::span<const TextSource> texts,
                          int pagesPerCopy, const PageLayout& layout,
                          const PrintJobSettings& settings);

    int m_jobCounter = 0;
    FormPictures m_pictures;
};

} // namespace cw::printing
