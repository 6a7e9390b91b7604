// Print jobs to PDF files: pages and copies, replacing an earlier file only once a job has
// finished, the picture, and a batch of claims into one document, each claim a job of its own.

#include "Fixtures.h"
#include "ForkedChild.h"
#include "PdfReading.h"
#include "PrintJobFixture.h"
#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "platform/DebugOutput.h"
#include "platform/StagedFile.h"
#include "printing/PrintEngine.h"
#include "printing/PrintLog.h"
#include "resources/ResourcePaths.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <optional>

using namespace cw::printing;
using cw::prefs::Pref;
using cw::test::filesIn;
using cw::test::PrintRun;
using cw::test::writeFile;

namespace {

cw::model::ClaimValues claimNamed(const QString& patient) {
    cw::model::ClaimValues claim;
    claim.setValue(u"edit6a", patient);
    return claim;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void chooseColourPicture(PrintRun& run) {
    run.printMode.commit({.textOnly = false, .colour = true});
}

QImage renderedPage(const QString& pdfPath, int dpi) {
    const QString stem = pdfPath + QStringLiteral("-page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                       QStringLiteral("-png"), QStringLiteral("-singlefile"), pdfPath, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The outermost ruled lines the picture shows, in points from the sheet's corner: the first
// and last run of ink down the column at x = 306 points and across the row at y = 400 points.
QList<double> outerFrame(const QImage& image, double dpi) {
    const double pointsPerPixel = 72.0 / dpi;
    const auto centres = [&](int count, auto inkAt) {
        QList<double> runs;
        int start = -1;
        for (int i = 0; i <= count; ++i) {
            const bool ink = i < count && inkAt(i);
            if (ink && start < 0)
                start = i;
            if (!ink && start >= 0) {
                runs.append((start + i - 1) / 2.0 * pointsPerPixel);
                start = -1;
            }
        }
        return runs;
    };
    const int column = int(306 / pointsPerPixel);
    const int row = int(400 / pointsPerPixel);
    const QList<double> down =
        centres(image.height(), [&](int y) { return qGray(image.pixel(column, y)) < 200; });
    const QList<double> across =
        centres(image.width(), [&](int x) { return qGray(image.pixel(x, row)) < 200; });
    if (down.isEmpty() || across.isEmpty())
        return {};
    return {down.first(), down.last(), across.first(), across.last()};
}

bool closeTo(const QList<double>& a, const QList<double>& b, double tolerance) {
    if (a.size() != b.size() || a.isEmpty())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (std::abs(a[i] - b[i]) > tolerance)
            return false;
    return true;
}

QString shown(const QList<double>& lines) {
    QStringList texts;
    for (const double line : lines)
        texts << QString::number(line, 'f', 2);
    return texts.join(u' ');
}

// The log lines without the prefix, only those that begin with one of the given words.
QStringList logLines(const cw::platform::DebugOutputCapture& capture, const QStringList& starts) {
    QStringList kept;
    for (const QString& line : capture.lines()) {
        const QString message = line.mid(kPrintLogPrefix.size());
        for (const QString& start : starts)
            if (message.startsWith(start))
                kept << message;
    }
    return kept;
}

QString patientOnPage(const QString& pdfPath, int page) {
    for (const cw::test::PdfWord& word : cw::test::pdfWords(pdfPath, page))
        if (word.text.startsWith(QLatin1StringView("PATIENT")))
            return word.text;
    return {};
}

} // namespace

class PrintJobTest : public QObject {
    Q_OBJECT

    std::unique_ptr<cw::test::TempHome> m_home;

    QString path(const char* name) const { return m_home->file(QLatin1StringView(name)); }

private slots:
    void init() { m_home = std::make_unique<cw::test::TempHome>(); }
    void cleanup() { m_home.reset(); }

    // A PDF cannot make copies itself: every copy is a page, each claim's copies together.
    void copiesArePagesOfOnePdf() {
        PrintRun run;
        const auto first = claimNamed(QStringLiteral("FIRSTPATIENT"));
        const auto second = claimNamed(QStringLiteral("SECONDPATIENT"));
        const TextSource texts[] = {TextSource::claim(first), TextSource::claim(second)};
        auto printer = cw::test::pdfPrinter(path("copies.pdf"));
        PrintEngine engine;
        const auto job = engine.printClaims(*printer, texts, 2, run.settings());
        QVERIFY2(job.ok(), job.ok() ? "" : qPrintable(job.error()));
        QCOMPARE(job->pageCount, 4);
        QCOMPARE(job->pdfPath, path("copies.pdf"));
        QCOMPARE(cw::test::pdfPageCount(path("copies.pdf")), 4);
        const char* expected[] = {"FIRSTPATIENT", "FIRSTPATIENT", "SECONDPATIENT", "SECONDPATIENT"};
        for (int page = 1; page <= 4; ++page)
            QVERIFY(!cw::test::wordBox(cw::test::pdfWords(path("copies.pdf"), page),
                                       QLatin1StringView(expected[page - 1]))
                         .isNull());
    }

    // A job to an existing PDF replaces it, whoever wrote it, but only once the job has
    // finished: a job that fails after its document was started leaves the file as it was.
    // Nothing else is left in the folder, and the printer keeps the name the user chose.
    void onlyAFinishedJobReplacesThePdf() {
        writeFile(path("claim.pdf"), "someone else's file");
        writeFile(path("corrupt.jpg"), QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG", 21));
        PrintRun run;
        chooseColourPicture(run);
        const auto first = claimNamed(QStringLiteral("FIRSTPATIENT"));
        const auto second = claimNamed(QStringLiteral("SECONDPATIENT"));
        auto printer = cw::test::pdfPrinter(path("claim.pdf"));

        PrintEngine broken(FormPictures(path("corrupt.jpg")));
        QVERIFY(!broken.printClaim(*printer, TextSource::claim(first), 1, run.settings()).ok());
        QCOMPARE(readBytes(path("claim.pdf")), QByteArray("someone else's file"));

        PrintEngine engine;
        for (const auto* claim : {&first, &second}) {
            const auto job =
                engine.printClaim(*printer, TextSource::claim(*claim), 1, run.settings());
            QVERIFY2(job.ok(), job.ok() ? "" : qPrintable(job.error()));
            QCOMPARE(job->pdfPath, path("claim.pdf"));
            QCOMPARE(printer->outputFileName(), path("claim.pdf"));
        }
        const auto words = cw::test::pdfWords(path("claim.pdf"));
        QVERIFY(!cw::test::wordBox(words, QStringLiteral("SECONDPATIENT")).isNull());
        QVERIFY(cw::test::wordBox(words, QStringLiteral("FIRSTPATIENT")).isNull());
        QCOMPARE(filesIn(m_home->path()), (QStringList{u"claim.pdf"_qs, u"corrupt.jpg"_qs}));
    }

    // A claim's name chosen as the PDF by mistake, confirmed or not, never costs the claim.
    void aClaimIsNeverReplacedByAPdf() {
        writeFile(path("Doe.UB4"), "the claim");
        PrintRun run;
        auto printer = cw::test::pdfPrinter(path("Doe.UB4"));
        PrintEngine engine;
        const auto job = engine.printClaim(*printer, TextSource::sample(), 1, run.settings());
        QVERIFY(!job.ok());
        QVERIFY2(job.error().contains(path("Doe.UB4")), qPrintable(job.error()));
        QCOMPARE(readBytes(path("Doe.UB4")), QByteArray("the claim"));
        QCOMPARE(filesIn(m_home->path()), QStringList{u"Doe.UB4"_qs});
    }

    // The job draws beside the PDF it replaces, so it needs no temporary folder elsewhere, and
    // it clears away what a killed job left there.
    void jobWorksBesideItsPdf() {
        const QString pdf = path("claim.pdf");
        cw::test::ForkedChild killedJob([&] {
            auto staged = cw::platform::StagedFile::create(pdf);
            if (!staged)
                return staged.error().toUtf8();
            cw::platform::StagedFile file = std::move(staged).value();
            if (file.write("%PDF-1.4 half a document"))
                ::raise(SIGKILL);
            return QByteArray("could not write");
        });
        QCOMPARE(killedJob.answer(), QByteArray());
        QCOMPARE(filesIn(m_home->path()).size(), 1);

        const std::optional<QByteArray> savedTemp =
            qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
        // A file: no temporary folder can be made in it, not even by root.
        qputenv("TMPDIR", QFile::encodeName(cw::test::fixturePath("claim-sample.ub4")));
        const auto restore = qScopeGuard([&] {
            if (savedTemp)
                qputenv("TMPDIR", *savedTemp);
            else
                qunsetenv("TMPDIR");
        });
        PrintRun run;
        auto printer = cw::test::pdfPrinter(pdf);
        PrintEngine engine;
        const auto job = engine.printClaim(*printer, TextSource::sample(), 1, run.settings());
        QVERIFY2(job.ok(), job.ok() ? "" : qPrintable(job.error()));
        QCOMPARE(cw::test::pdfPageCount(pdf), 1);
        QCOMPARE(filesIn(m_home->path()), QStringList{u"claim.pdf"_qs});
    }

    // A bad alignment setting stops the job before anything is printed.
    void badAlignmentSettingPrintsNothing() {
        PrintRun run;
        run.preferences[Pref::PrintAlignment5] = QStringLiteral("14a");
        auto printer = cw::test::pdfPrinter(path("bad.pdf"));
        PrintEngine engine;
        cw::platform::DebugOutputCapture capture;
        const auto job = engine.printClaim(*printer, TextSource::sample(), 1, run.settings());
        QVERIFY(!job.ok());
        QVERIFY2(job.error().contains(QLatin1StringView("PRINTALIGNMENT5")),
                 qPrintable(job.error()));
        QCOMPARE(capture.lines(),
                 QStringList{kPrintLogPrefix + QStringLiteral("PrintAlignment try")});
        QVERIFY(!QFile::exists(path("bad.pdf")));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // A printer that cannot start the document fails at BeginDoc, saying why.
    void unusablePrintersFailAtTheStart_data() {
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<QString>("says");
        QTest::newRow("no printer chosen") << QString() << "No printer";
        QTest::newRow("missing folder") << "no-such-folder/claim.pdf"
                                        << "does not exist";
        QTest::newRow("a folder") << "."
                                  << "it is a folder";
    }
    void unusablePrintersFailAtTheStart() {
        QFETCH(QString, pdf);
        QFETCH(QString, says);
        PrintRun run;
        auto printer = cw::test::pdfPrinter(pdf.isEmpty() ? QString() : m_home->file(pdf));
        PrintEngine engine;
        cw::platform::DebugOutputCapture capture;
        const auto job = engine.printClaim(*printer, TextSource::sample(), 1, run.settings());
        QVERIFY(!job.ok());
        QVERIFY2(job.error().contains(says), qPrintable(job.error()));
        QCOMPARE(capture.lines().last(), kPrintLogPrefix + QStringLiteral("BeginDoc try"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void copiesBelowOneAreRefused() {
        PrintRun run;
        auto printer = cw::test::pdfPrinter(path("none.pdf"));
        PrintEngine engine;
        QVERIFY(!engine.printClaim(*printer, TextSource::sample(), 0, run.settings()).ok());
        QVERIFY(!QFile::exists(path("none.pdf")));
    }

    // A picture that cannot be decoded fails the job after the document was started: the
    // document is still ended, but no half-drawn PDF is left behind.
    void brokenPictureEndsTheDocumentAndWritesNothing() {
        writeFile(path("corrupt.jpg"), QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG", 21));
        PrintRun run;
        chooseColourPicture(run);
        const auto claim = claimNamed(QStringLiteral("PATIENT"));
        auto printer = cw::test::pdfPrinter(path("picture.pdf"));
        PrintEngine engine(FormPictures(path("corrupt.jpg")));
        cw::platform::DebugOutputCapture capture;
        const auto job = engine.printClaim(*printer, TextSource::claim(claim), 1, run.settings());
        QVERIFY(!job.ok());
        QVERIFY2(job.error().contains(path("corrupt.jpg")), qPrintable(job.error()));
        QCOMPARE(capture.lines().mid(capture.lines().size() - 3),
                 (QStringList{kPrintLogPrefix + QStringLiteral("BeginDoc succeed"),
                              kPrintLogPrefix + QStringLiteral("EndDoc try"),
                              kPrintLogPrefix + QStringLiteral("EndDoc succeed")}));
        QCOMPARE(filesIn(m_home->path()), QStringList{u"corrupt.jpg"_qs});
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // The picture goes once into a PDF of many pages; the alignment test print never has one.
    void pictureIsEmbeddedOncePerPdf_data() {
        QTest::addColumn<bool>("sample");
        QTest::addColumn<int>("images");
        QTest::newRow("claims in colour") << false << 1;
        QTest::newRow("test print") << true << 0;
    }
    void pictureIsEmbeddedOncePerPdf() {
        QFETCH(bool, sample);
        QFETCH(int, images);
        PrintRun run;
        chooseColourPicture(run);
        const auto claim = claimNamed(QStringLiteral("PATIENT"));
        const TextSource text = sample ? TextSource::sample() : TextSource::claim(claim);
        auto printer = cw::test::pdfPrinter(path("many.pdf"));
        PrintEngine engine;
        QVERIFY(engine.printClaim(*printer, text, 5, run.settings()).ok());
        QCOMPARE(cw::test::pdfPageCount(path("many.pdf")), 5);
        QCOMPARE(cw::test::imageObjectCount(path("many.pdf")), images);
    }

    // The picture covers the sheet from its corner, not the printable area: its frame lies
    // where the print picture has it, with or without printer margins.
    void pictureCoversTheWholeSheet_data() {
        QTest::addColumn<bool>("grey");
        QTest::newRow("colour") << false;
        QTest::newRow("black and white") << true;
    }
    void pictureCoversTheWholeSheet() {
        QFETCH(bool, grey);
        PrintRun run;
        run.printMode.commit({.textOnly = false, .colour = !grey});
        const cw::model::ClaimValues empty;
        PrintEngine engine;
        auto plain = cw::test::pdfPrinter(path("plain.pdf"));
        auto margins = cw::test::pdfPrinter(path("margins.pdf"), QMarginsF(30, 45, 20, 25));
        QVERIFY(engine.printClaim(*plain, TextSource::claim(empty), 1, run.settings()).ok());
        QVERIFY(engine.printClaim(*margins, TextSource::claim(empty), 1, run.settings()).ok());
        const QList<double> picture =
            outerFrame(QImage(cw::resources::path(cw::resources::kFormPrint)), 200);
        const QList<double> onPlain = outerFrame(renderedPage(path("plain.pdf"), 150), 150);
        const QList<double> withMargins = outerFrame(renderedPage(path("margins.pdf"), 150), 150);
        QVERIFY2(closeTo(onPlain, picture, 0.6),
                 qPrintable(shown(onPlain) + QStringLiteral(" / ") + shown(picture)));
        QVERIFY2(closeTo(withMargins, picture, 0.6),
                 qPrintable(shown(withMargins) + QStringLiteral(" / ") + shown(picture)));
    }

    // Three claims with 2, 1 and 5 copies: three jobs in the log, eight pages in queue order,
    // one document begun and ended once, the picture stored once, and no file before finish.
    void claimsShareOneDocumentAsJobsOfTheirOwn() {
        writeFile(path("batch.pdf"), "an earlier PDF");
        PrintRun run;
        run.printMode.commit({.textOnly = false, .colour = true});
        const cw::model::ClaimValues claims[] = {
            claimNamed(u"PATIENTA"_qs), claimNamed(u"PATIENTB"_qs), claimNamed(u"PATIENTC"_qs)};
        const int copies[] = {2, 1, 5};
        auto printer = cw::test::pdfPrinter(path("batch.pdf"));
        PrintEngine engine;
        cw::platform::DebugOutputCapture capture;
        {
            PrintBatch batch(engine, *printer);
            for (int i = 0; i < 3; ++i) {
                const auto job =
                    batch.printClaim(TextSource::claim(claims[i]), copies[i], run.settings());
                QVERIFY2(job.ok(), job.ok() ? "" : qPrintable(job.error()));
                QCOMPARE(job->jobNumber, i + 1);
                QCOMPARE(job->pageCount, copies[i]);
            }
            QCOMPARE(QFile(path("batch.pdf")).size(), qint64(14)); // still the earlier file
            const auto written = batch.finish();
            QVERIFY2(written.ok(), written.ok() ? "" : qPrintable(written.error()));
            QCOMPARE(*written, path("batch.pdf"));
        }
        QCOMPARE(printer->outputFileName(), path("batch.pdf"));
        QCOMPARE(filesIn(m_home->path()), QStringList{u"batch.pdf"_qs});
        QCOMPARE(cw::test::pdfPageCount(path("batch.pdf")), 8);
        const char* expected[] = {"PATIENTA", "PATIENTA", "PATIENTB", "PATIENTC",
                                  "PATIENTC", "PATIENTC", "PATIENTC", "PATIENTC"};
        for (int page = 1; page <= 8; ++page)
            QCOMPARE(patientOnPage(path("batch.pdf"), page), QLatin1StringView(expected[page - 1]));
        QCOMPARE(cw::test::imageObjectCount(path("batch.pdf")), 1);

        const auto jobLine = [&](int number) {
            return u"-----------print job #"_qs + QString::number(number) + u' ' +
                   path("batch.pdf") + u"-----------"_qs;
        };
        QCOMPARE(logLines(capture, {u"-----------print job"_qs, u"BeginDoc"_qs, u"EndDoc"_qs}),
                 (QStringList{jobLine(1), u"BeginDoc try"_qs, u"BeginDoc succeed"_qs, jobLine(2),
                              jobLine(3), u"EndDoc try"_qs, u"EndDoc succeed"_qs}));
    }

    // A claim whose job stops before it draws (here a bad alignment value) leaves the
    // document as it was: the claims around it still print.
    void claimRefusedBeforeDrawingLeavesTheDocumentWhole() {
        PrintRun run;
        PrintRun badAlignment;
        badAlignment.preferences[Pref::PrintAlignment3] = QStringLiteral("x");
        const auto first = claimNamed(u"PATIENTA"_qs);
        const auto second = claimNamed(u"PATIENTB"_qs);
        auto printer = cw::test::pdfPrinter(path("batch.pdf"));
        PrintEngine engine;
        PrintBatch batch(engine, *printer);
        QVERIFY(batch.printClaim(TextSource::claim(first), 1, run.settings()).ok());
        QVERIFY(!batch.printClaim(TextSource::claim(first), 1, badAlignment.settings()).ok());
        QVERIFY(!batch.printClaim(TextSource::claim(first), 0, run.settings()).ok());
        QVERIFY(batch.printClaim(TextSource::claim(second), 1, run.settings()).ok());
        QVERIFY(batch.finish().ok());
        QCOMPARE(cw::test::pdfPageCount(path("batch.pdf")), 2);
        QCOMPARE(patientOnPage(path("batch.pdf"), 2), u"PATIENTB"_qs);
    }

    // A failure while drawing spoils the document: later claims are refused, finish fails,
    // and the earlier file stays as it was, with nothing left beside it.
    void failureWhileDrawingWritesNothing() {
        writeFile(path("batch.pdf"), "an earlier PDF");
        writeFile(path("corrupt.jpg"), QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG", 21));
        PrintRun run;
        run.printMode.commit({.textOnly = false, .colour = false});
        const auto claim = claimNamed(u"PATIENTA"_qs);
        auto printer = cw::test::pdfPrinter(path("batch.pdf"));
        PrintEngine engine(FormPictures(path("corrupt.jpg")));
        {
            PrintBatch batch(engine, *printer);
            const auto first = batch.printClaim(TextSource::claim(claim), 1, run.settings());
            QVERIFY(!first.ok());
            QVERIFY2(first.error().contains(path("corrupt.jpg")), qPrintable(first.error()));
            const auto second = batch.printClaim(TextSource::claim(claim), 1, run.settings());
            QVERIFY(!second.ok());
            QVERIFY2(second.error().contains(QLatin1StringView("earlier failure")),
                     qPrintable(second.error()));
            QVERIFY(!batch.finish().ok());
        }
        QCOMPARE(filesIn(m_home->path()), (QStringList{u"batch.pdf"_qs, u"corrupt.jpg"_qs}));
        QCOMPARE(QFile(path("batch.pdf")).size(), qint64(14));
        QCOMPARE(printer->outputFileName(), path("batch.pdf"));
    }

    // A batch that ends without finish (the program stopped in the middle) writes nothing.
    void unfinishedBatchWritesNothing() {
        PrintRun run;
        const auto claim = claimNamed(u"PATIENTA"_qs);
        auto printer = cw::test::pdfPrinter(path("batch.pdf"));
        PrintEngine engine;
        {
            PrintBatch batch(engine, *printer);
            QVERIFY(batch.printClaim(TextSource::claim(claim), 1, run.settings()).ok());
        }
        QVERIFY(filesIn(m_home->path()).isEmpty());
        QCOMPARE(printer->outputFileName(), path("batch.pdf"));
    }

    // Nothing printed: no document was begun and no file is written.
    void batchWithoutClaimsWritesNothing() {
        auto printer = cw::test::pdfPrinter(path("batch.pdf"));
        PrintEngine engine;
        PrintBatch batch(engine, *printer);
        const auto written = batch.finish();
        QVERIFY(written.ok());
        QVERIFY(written->isEmpty());
        QVERIFY(filesIn(m_home->path()).isEmpty());
    }
};

CW_REGISTER_TEST(PrintJobTest)
#include "PrintJobTest.moc"
