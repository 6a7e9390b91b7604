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
#include <QSet>
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

// Distinct image objects in the PDF: one per picture, however many pages show it.
int imageObjectCount(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdfPath});
    process.waitForFinished(60000);
    QSet<QString> objects;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(u' ');
        if (columns.size() > 10)
            objects.insert(columns[10]);
    }
    return int(objects.size());
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
        QCOMPARE(imageObjectCount(path("many.pdf")), images);
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
};

CW_REGISTER_TEST(PrintJobTest)
#include "PrintJobTest.moc"
