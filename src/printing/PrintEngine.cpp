#include "printing/PrintEngine.h"

#include "model/FieldCatalogue.h"
#include "platform/StagedFile.h"
#include "printing/DeviceMetrics.h"
#include "printing/PageText.h"
#include "printing/PdfOutputFile.h"
#include "printing/PrintLog.h"
#include "printing/PrintPositions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <optional>

namespace cw::printing {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PrintEngine", text);
}

bool isPdfPrinter(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat;
}

// A PDF job draws into a staged file beside the chosen one; only a finished document replaces
// what is at the chosen path, so a failed job never leaves half a PDF over an earlier file. The
// printer gets its own file name back whatever happens.
class PdfTarget {
public:
    explicit PdfTarget(QPrinter& printer)
        : m_printer(printer)
        , m_requested(printer.outputFileName())
        , m_path(QDir::cleanPath(QFileInfo(m_requested).absoluteFilePath())) {}
    ~PdfTarget() { m_printer.setOutputFileName(m_requested); }
    PdfTarget(const PdfTarget&) = delete;
    PdfTarget& operator=(const PdfTarget&) = delete;

    const QString& path() const { return m_path; }

    Result<void> open() {
        const QFileInfo target(m_path);
        if (target.isDir())
            return Error{tr("The PDF file \"%1\" cannot be written: it is a folder.").arg(m_path)};
        if (!target.dir().exists())
            return Error{tr("The PDF file \"%1\" cannot be written: the folder \"%2\" does not "
                            "exist.")
                             .arg(m_path, target.dir().path())};
        if (const Result<void> replaceable = checkNotAClaimFileName(m_path); !replaceable)
            return replaceable;
        Result<platform::StagedFile> staged = platform::StagedFile::create(m_path);
        if (!staged)
            return Error{staged.error()};
        m_staged.emplace(std::move(staged).value());
        m_printer.setOutputFileName(m_staged->path());
        return {};
    }

    Result<void> commit() { return m_staged->commit(); }

private:
    QPrinter& m_printer;
    QString m_requested;
    QString m_path;
    std::optional<platform::StagedFile> m_staged;
};

// The guarded end of the document: once it was started it is always ended, also when drawing
// failed or threw (on leaving the scope), so the printer gets what was drawn.
class OpenDocument {
public:
    OpenDocument(QPainter& painter, QPrinter& printer)
        : m_painter(painter)
        , m_printer(printer) {}
    ~OpenDocument() { end(); }
    OpenDocument(const OpenDocument&) = delete;
    OpenDocument& operator=(const OpenDocument&) = delete;

    // False when the printer aborted the job or could not finish the document.
    bool end() {
        if (m_ended)
            return m_ok;
        m_ended = true;
        const bool aborted = m_printer.printerState() == QPrinter::Aborted;
        if (aborted)
            printLog(QStringLiteral("ERROR Print Job Aborted"));
        printLog(QStringLiteral("EndDoc try"));
        const bool finished = m_painter.end();
        printLog(QStringLiteral("EndDoc succeed"));
        m_ok = finished && !aborted;
        return m_ok;
    }

private:
    QPainter& m_painter;
    QPrinter& m_printer;
    bool m_ended = false;
    bool m_ok = false;
};

QString printerNameOf(const QPrinter& printer, const std::optional<PdfTarget>& pdf) {
    return pdf ? pdf->path() : printer.printerName();
}

Result<void> checkPrinter(const QPrinter& printer) {
    if (isPdfPrinter(printer) && printer.outputFileName().isEmpty())
        return Error{tr("No printer is installed or chosen. Choose a printer, or a PDF file, in "
                        "the print dialog.")};
    if (!printer.isValid())
        return Error{tr("The printer \"%1\" is not available.").arg(printer.printerName())};
    return {};
}

} // namespace

Result<int> PrintEngine::drawPages(QPainter& painter, QPrinter& printer,
                                   std::span<const TextSource> texts, int pagesPerCopy,
                                   int pagesBefore, const PageLayout& layout,
                                   const PrintJobSettings& settings) {
    setUpPageText(painter, settings.font);
    const DeviceMetrics metrics = deviceMetrics(printer);
    int pageCount = 0;
    for (const TextSource& text : texts) {
        const PictureKind kind = text.isSample() ? PictureKind::None : settings.picture;
        for (int copy = 0; copy < pagesPerCopy; ++copy) {
            const int page = pagesBefore + pageCount + 1;
            if (page > 1 && !printer.newPage())
                return Error{tr("The printer could not start page %1.").arg(page)};
            if (kind != PictureKind::None) {
                const Result<void> picture =
                    printFormPicture(painter, metrics, kind, layout.pageOffsets, m_pictures);
                if (!picture)
                    return Error{picture.error()};
            }
            printLog(QStringLiteral("PrintText try"));
            drawFieldTexts(painter, metrics, text, layout.positions, FieldLog::EachField);
            printLog(QStringLiteral("PrintText succeed"));
            ++pageCount;
        }
    }
    return pageCount;
}

Result<PrintEngine::PageLayout> PrintEngine::pageLayout(const PrintJobSettings& settings) {
    const Result<PageOffsets>& pageOffsets = settings.pageOffsets;
    if (!pageOffsets)
        return Error{pageOffsets.error()};
    return PageLayout{*pageOffsets, computePrintPositions(*pageOffsets, settings.fieldOffsets)};
}

Result<void> PrintEngine::previewClaim(QPrinter& preview, const TextSource& text,
                                       const PrintJobSettings& settings) {
    const Result<PageLayout> layout = pageLayout(settings);
    if (!layout)
        return Error{layout.error()};
    preview.setPageSize(QPageSize(QPageSize::Letter));
    preview.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&preview))
        return Error{tr("The print preview cannot be drawn.")};
    const Result<int> pages =
        drawPages(painter, preview, std::span(&text, 1), 1, 0, *layout, settings);
    painter.end();
    if (!pages)
        return Error{pages.error()};
    return {};
}

PrintEngine::PrintEngine(FormPictures pictures)
    : m_pictures(std::move(pictures)) {}

Result<PrintedJob> PrintEngine::printClaim(QPrinter& printer, const TextSource& text, int copies,
                                           const PrintJobSettings& settings) {
    return printClaims(printer, std::span(&text, 1), copies, settings);
}

class PrintEngine::Document {
public:
    Document(PrintEngine& engine, QPrinter& printer)
        : m_engine(engine)
        , m_printer(printer) {}

    // One job: every text source in turn, copies of each. The first job starts the document.
    Result<PrintedJob> print(std::span<const TextSource> texts, int copies,
                             const PrintJobSettings& settings);
    // Ends the document and puts a PDF in place: its path, empty for a printer and when no job
    // started the document.
    Result<QString> finish();

private:
    Result<void> begin(int copies);

    PrintEngine& m_engine;
    QPrinter& m_printer;
    // In this order, so that the document is ended before its painter and its staged PDF go.
    std::optional<PdfTarget> m_pdf;
    QPainter m_painter;
    std::optional<OpenDocument> m_open;
    int m_pageCount = 0;
    // What went wrong while drawing: the document holds part of a job and is not finished.
    std::optional<QString> m_failure;
};

Result<PrintedJob> PrintEngine::Document::print(std::span<const TextSource> texts, int copies,
                                                const PrintJobSettings& settings) {
    if (copies < 1)
        return Error{tr("The number of copies must be 1 or more, not %1.").arg(copies)};
    if (texts.empty())
        return Error{tr("There is nothing to print.")};
    if (m_failure)
        return Error{tr("Nothing more is printed into \"%1\" after an earlier failure: %2")
                         .arg(printerNameOf(m_printer, m_pdf), *m_failure)};

    printLog(QStringLiteral("PrintAlignment try"));
    const Result<PageLayout> layout = pageLayout(settings);
    if (!layout)
        return Error{layout.error()};
    printLog(QStringLiteral("PrintAlignment succeed"));

    PrintedJob job;
    job.jobNumber = ++m_engine.m_jobCounter;
    if (!m_pdf && isPdfPrinter(m_printer) && !m_printer.outputFileName().isEmpty())
        m_pdf.emplace(m_printer);
    printLog(QStringLiteral("-----------print job #") + QString::number(job.jobNumber) + u' ' +
             printerNameOf(m_printer, m_pdf) + QStringLiteral("-----------"));

    if (!m_open)
        if (const Result<void> begun = begin(copies); !begun)
            return Error{begun.error()};
    // Only a PDF takes jobs after the first, and it makes a page of every copy.
    const int pagesPerCopy = m_printer.supportsMultipleCopies() ? 1 : copies;
    const Result<int> pages = m_engine.drawPages(m_painter, m_printer, texts, pagesPerCopy,
                                                 m_pageCount, *layout, settings);
    if (!pages) {
        m_failure = pages.error();
        return Error{pages.error()};
    }
    m_pageCount += *pages;
    job.pageCount = *pages;
    return job;
}

Result<void> PrintEngine::Document::begin(int copies) {
    printLog(QStringLiteral("BeginDoc try"));
    if (const Result<void> usable = checkPrinter(m_printer); !usable)
        return usable;
    if (m_pdf)
        if (const Result<void> opened = m_pdf->open(); !opened)
            return opened;
    m_printer.setPageSize(QPageSize(QPageSize::Letter));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_printer.setCopyCount(copies);
    if (!m_painter.begin(&m_printer))
        return Error{
            m_pdf ? tr("The PDF file \"%1\" cannot be written.").arg(m_pdf->path())
                  : tr("The printer \"%1\" cannot start a document.").arg(m_printer.printerName())};
    printLog(QStringLiteral("BeginDoc succeed"));
    m_open.emplace(m_painter, m_printer);
    return {};
}

Result<QString> PrintEngine::Document::finish() {
    if (!m_open)
        return QString();
    const bool ended = m_open->end();
    if (m_failure)
        return Error{*m_failure};
    if (!ended)
        return Error{m_printer.printerState() == QPrinter::Aborted
                         ? tr("The print job was aborted.")
                         : tr("The printer could not finish the document.")};
    if (!m_pdf)
        return QString();
    if (const Result<void> written = m_pdf->commit(); !written)
        return Error{written.error()};
    return m_pdf->path();
}

Result<PrintedJob> PrintEngine::printClaims(QPrinter& printer, std::span<const TextSource> texts,
                                            int copies, const PrintJobSettings& settings) {
    Document document(*this, printer);
    const Result<PrintedJob> job = document.print(texts, copies, settings);
    if (!job)
        return job;
    const Result<QString> written = document.finish();
    if (!written)
        return Error{written.error()};
    PrintedJob printed = *job;
    printed.pdfPath = *written;
    return printed;
}

PrintBatch::PrintBatch(PrintEngine& engine, QPrinter& printer)
    : m_engine(engine)
    , m_printer(printer) {
    if (isPdfPrinter(printer))
        m_pdfDocument = std::make_unique<PrintEngine::Document>(engine, printer);
}

PrintBatch::~PrintBatch() = default;

Result<PrintedJob> PrintBatch::printClaim(const TextSource& text, int copies,
                                          const PrintJobSettings& settings) {
    if (!m_pdfDocument)
        return m_engine.printClaim(m_printer, text, copies, settings);
    return m_pdfDocument->print(std::span(&text, 1), copies, settings);
}

Result<QString> PrintBatch::finish() {
    if (!m_pdfDocument)
        return QString();
    return m_pdfDocument->finish();
}

} // namespace cw::printing
