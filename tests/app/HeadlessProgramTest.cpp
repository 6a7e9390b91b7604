#include "Fixtures.h"
#include "PdfReading.h"
#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "WorkbookReading.h"
#include "app/ExitStatus.h"
#include "model/ClaimFile.h"
#include "model/FieldCatalogue.h"
#include "printing/FieldOffsetsFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

using namespace cw::app;
using cw::test::writeFile;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program itself, as a user starts it from a shell without a display.
// extraEnvironment holds NAME=value settings.
// program is the executable to run: the one built, or a copy in a folder of the test's own.
Run claimwright(const QStringList& arguments, const cw::test::TempHome& home,
                const QStringList& extraEnvironment = {},
                const QString& program = QStringLiteral(CLAIMWRIGHT_BINARY)) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("CLAIMWRIGHT_DEBUG_CHANNEL"));
    for (const QString& setting : extraEnvironment)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.configHome());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.dataHome());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// Every entry of the folder but the folders, hidden ones too, with the contents of the regular
// files.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        QFile file(entry.filePath());
        files[entry.fileName()] =
            entry.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    return files;
}

} // namespace

// Command lines the program carries out without a window, run as their own process.
class HeadlessProgramTest : public QObject {
    Q_OBJECT

private slots:
    // Two good claims and one that cannot be read, two copies each: the good ones print in
    // order, the bad one is named on standard error, and the status says a claim was skipped.
    void printsTheReadableClaimsAndNamesTheOthers() {
        cw::test::TempHome home;
        const Run run = claimwright({u"--print-pdf"_qs, u"out.pdf"_qs, u"--copies"_qs, u"2"_qs,
                                     cw::test::fixturePath("claim-sample.ub4"), u"missing.ub4"_qs,
                                     cw::test::fixturePath("claim-full.ub4")},
                                    home);
        QCOMPARE(run.status, int(kSomeSkipped));
        QVERIFY2(run.err.contains(QStringLiteral("claimwright: skipped missing.ub4:")),
                 qPrintable(run.err));
        QVERIFY(!run.err.contains(QStringLiteral("claim-sample.ub4")));
        QVERIFY2(run.out.contains(home.file(u"out.pdf"_qs)), qPrintable(run.out));
        QCOMPARE(cw::test::pdfPageCount(home.file(u"out.pdf"_qs)), 4);
    }

    // The print log carries every field of the claims printed: it reaches standard error only
    // when the user switches it on.
    void printLogOnlyWhenSwitchedOn_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("logged");
        QTest::newRow("off") << QStringList() << false;
        QTest::newRow("other categories on")
            << QStringList{u"QT_LOGGING_RULES=qt.*.debug=false"_qs} << false;
        QTest::newRow("logging rule")
            << QStringList{u"QT_LOGGING_RULES=claimwright.debugchannel.debug=true"_qs} << true;
        QTest::newRow("environment variable")
            << QStringList{u"CLAIMWRIGHT_DEBUG_CHANNEL=1"_qs} << true;
    }
    void printLogOnlyWhenSwitchedOn() {
        QFETCH(QStringList, environment);
        QFETCH(bool, logged);
        cw::test::TempHome home;
        const Run run = claimwright(
            {u"--print-pdf"_qs, u"out.pdf"_qs, cw::test::fixturePath("claim-sample.ub4")}, home,
            environment);
        QCOMPARE(run.status, int(kAllPrinted));
        QVERIFY2(run.err.contains(u"Doe, Jane"_qs) == logged, qPrintable(run.err));
        QCOMPARE(
            run.err.contains(u"hcfaclaimwright.exe: PrintText field:/011/ text:'Doe, Jane'"_qs),
            logged);
    }

    // The fields' own alignment comes from the settings file beside the program, as the
    // editor's does: a field saved with up 3 and right -2 prints 3 points higher and 2 points
    // further left, and nothing else moves. A file that cannot be read is named, and the claims
    // print without it.
    void printsWithTheFieldOffsetsBesideTheProgram() {
        cw::test::TempHome home;
        QVERIFY(QDir().mkpath(home.file(u"program"_qs)));
        const QString program = home.file(u"program/claimwright"_qs);
        QVERIFY(QFile::copy(QStringLiteral(CLAIMWRIGHT_BINARY), program));
        const QString settings = home.file(u"program/CWMAIN_Settings.ini"_qs);
        const auto print = [&](const QString& pdf) {
            const Run run =
                claimwright({u"--print-pdf"_qs, pdf, cw::test::fixturePath("claim-sample.ub4")},
                            home, {}, program);
            if (run.status != int(kAllPrinted))
                qWarning("%s", qPrintable(run.err));
            return run;
        };
        QCOMPARE(print(u"plain.pdf"_qs).status, int(kAllPrinted));
        const int patient = cw::model::FieldCatalogue::indexOf(u"edit6a");
        writeFile(settings, "[Alignment]\r\n" + cw::printing::topKey(patient) + "=3\r\n" +
                                cw::printing::leftKey(patient) + "=-2\r\n");
        QCOMPARE(print(u"shifted.pdf"_qs).status, int(kAllPrinted));

        const auto plain = cw::test::pdfWords(home.file(u"plain.pdf"_qs));
        const auto shifted = cw::test::pdfWords(home.file(u"shifted.pdf"_qs));
        QCOMPARE(shifted.size(), plain.size());
        QVERIFY(!cw::test::wordBox(plain, u"Doe,"_qs).isNull());
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const bool patientWord = plain[i].text == u"Doe," || plain[i].text == u"Jane";
            const QPointF moved = shifted[i].box.topLeft() - plain[i].box.topLeft();
            const QPointF expected = patientWord ? QPointF(-2, -3) : QPointF(0, 0);
            QVERIFY2(std::abs(moved.x() - expected.x()) < 0.1 &&
                         std::abs(moved.y() - expected.y()) < 0.1,
                     qPrintable(plain[i].text + u" moved %1, %2"_qs.arg(moved.x()).arg(moved.y())));
        }

        QVERIFY(QFile::remove(settings));
        QVERIFY(QDir().mkpath(settings)); // a folder in the file's place
        const Run unreadable = print(u"unreadable.pdf"_qs);
        QCOMPARE(unreadable.status, int(kAllPrinted));
        QVERIFY2(unreadable.err.contains(settings), qPrintable(unreadable.err));
        const auto unshifted = cw::test::pdfWords(home.file(u"unreadable.pdf"_qs));
        QCOMPARE(cw::test::wordBox(unshifted, u"Doe,"_qs), cw::test::wordBox(plain, u"Doe,"_qs));
    }

    // Month-end: claims collected in a workbook in the order given, the one that cannot be
    // read named; then one claim as XML, byte for byte what the editor writes.
    void exportsClaims() {
        cw::test::TempHome home;
        const QString sample = cw::test::fixturePath("claim-sample.ub4");
        const QString full = cw::test::fixturePath("claim-full.ub4");
        const Run collected = claimwright({u"--export"_qs, u"xlsx"_qs, u"--output"_qs,
                                           u"month.xlsx"_qs, sample, u"gone.ub4"_qs, full},
                                          home);
        QCOMPARE(collected.status, int(kSomeSkipped));
        QVERIFY2(collected.err.contains(u"gone.ub4"_qs), qPrintable(collected.err));
        QVERIFY(collected.out.contains(u"exported 2 of 3 claims"_qs));
        const Run more = claimwright(
            {u"--export"_qs, u"xlsx"_qs, u"--output"_qs, u"month.xlsx"_qs, sample}, home);
        QCOMPARE(more.status, int(kAllPrinted));
        const auto book = cw::test::readWorkbook(home.file(u"month.xlsx"_qs));
        QVERIFY2(book.error.isEmpty(), qPrintable(book.error));
        QCOMPARE(book.text(u"UB-92 Claims Data!B17"_qs), u"Doe, Jane"_qs);
        QVERIFY(!book.text(u"UB-92 Claims Data!C1"_qs).isEmpty());
        QCOMPARE(book.text(u"UB-92 Claims Data!D17"_qs), u"Doe, Jane"_qs);

        const Run xml =
            claimwright({u"--export"_qs, u"xml"_qs, u"--output"_qs, u"claim.xml"_qs, sample}, home);
        QCOMPARE(xml.status, int(kAllPrinted));
        QCOMPARE(cw::test::fileBytes(home.file(u"claim.xml"_qs)),
                 cw::test::fixture("claim-sample.xml"));

        // A file that is no claims workbook is left as it was.
        const Run foreign = claimwright(
            {u"--export"_qs, u"xlsx"_qs, u"--output"_qs, u"claim.xml"_qs, sample}, home);
        QCOMPARE(foreign.status, int(kNothingPrinted));
        QVERIFY2(foreign.err.contains(u"Nothing was written"_qs), qPrintable(foreign.err));
        QCOMPARE(cw::test::fileBytes(home.file(u"claim.xml"_qs)),
                 cw::test::fixture("claim-sample.xml"));
    }

    void statuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("all printed")
            << QStringList{u"--print-pdf"_qs, u"one.pdf"_qs, u"--mode"_qs, u"black"_qs,
                           cw::test::fixturePath("claim-sample.ub4")}
            << int(kAllPrinted) << "printed 1 of 1 claims, 1 pages";
        QTest::newRow("nothing readable")
            << QStringList{u"--print-pdf"_qs, u"none.pdf"_qs, u"gone.ub4"_qs}
            << int(kNothingPrinted) << "nothing was printed";
        QTest::newRow("PDF folder missing")
            << QStringList{u"--print-pdf"_qs, u"no/such/folder.pdf"_qs,
                           cw::test::fixturePath("claim-sample.ub4")}
            << int(kNothingPrinted) << "does not exist";
        QTest::newRow("bad option") << QStringList{u"--print-pdf"_qs, u"x.pdf"_qs, u"--fast"_qs}
                                    << int(kBadCommandLine) << "Unknown option";
        QTest::newRow("too many copies")
            << QStringList{u"--print-pdf"_qs, u"many.pdf"_qs, u"--copies"_qs, u"1000000"_qs,
                           cw::test::fixturePath("claim-sample.ub4")}
            << int(kBadCommandLine) << "from 1 to 100";
        QTest::newRow("export of nothing readable")
            << QStringList{u"--export"_qs, u"docx"_qs, u"--output"_qs, u"a.docx"_qs, u"gone.ub4"_qs}
            << int(kNothingPrinted) << "nothing was exported";
        QTest::newRow("check: a valid claim")
            << QStringList{u"--check"_qs, cw::test::fixturePath("claim-valid.ub4")}
            << int(kNoErrorsFound) << "";
        QTest::newRow("check: a claim with errors")
            << QStringList{u"--check"_qs, cw::test::fixturePath("claim-valid.ub4"),
                           cw::test::fixturePath("claim-sample.ub4")}
            << int(kErrorsFound)
            << "claim-sample.ub4: FL 56 edit39i: error: billing provider NPI: missing";
        QTest::newRow("check: a claim that cannot be read")
            << QStringList{u"--check"_qs, cw::test::fixturePath("claim-sample.ub4"), u"gone.ub4"_qs}
            << int(kClaimUnreadable) << "cannot check gone.ub4";
        QTest::newRow("check: no claim") << QStringList{u"--check"_qs} << int(kBadCommandLine)
                                         << "No claim file to check was given.";
        QTest::newRow("check: a print option")
            << QStringList{u"--check"_qs, u"--copies"_qs, u"2"_qs, u"a.ub4"_qs}
            << int(kBadCommandLine) << "--check prints nothing";
        QTest::newRow("help") << QStringList{u"--help"_qs} << int(kAllPrinted) << "Exit status";
        QTest::newRow("version") << QStringList{u"--version"_qs} << int(kAllPrinted)
                                 << QStringLiteral("Claimwright " CLAIMWRIGHT_VERSION "\n");
        QTest::newRow("-v") << QStringList{u"-v"_qs} << int(kAllPrinted)
                            << QStringLiteral("Claimwright " CLAIMWRIGHT_VERSION "\n");
    }
    // A month of claims at once: one line per finding, each naming its claim; warnings alone
    // do not fail the run.
    void checksManyClaims() {
        cw::test::TempHome home;
        const auto read = cw::model::readClaimFile(cw::test::fixturePath("claim-valid.ub4"));
        QVERIFY(read);
        cw::model::ClaimValues claim = *read;
        claim.setValue(u"edit2d", u"111"_qs);
        QVERIFY(cw::model::writeClaimFile(home.file(u"older.ub4"_qs), claim));
        const Run warned = claimwright({u"--check"_qs, home.file(u"older.ub4"_qs)}, home);
        QCOMPARE(warned.status, int(kNoErrorsFound));
        QCOMPARE(
            warned.out,
            home.file(u"older.ub4"_qs) +
                u": FL 4 edit2d: warning: type of bill 111: 3 digits is the older form; the UB-04 takes 4, with a leading 0 (0111)\n"_qs);

        claim.setValue(u"edit8b", u"f"_qs);
        QVERIFY(cw::model::writeClaimFile(home.file(u"lowercase.ub4"_qs), claim));
        const Run failed =
            claimwright({u"--check"_qs, home.file(u"older.ub4"_qs),
                         cw::test::fixturePath("claim-valid.ub4"), home.file(u"lowercase.ub4"_qs)},
                        home);
        QCOMPARE(failed.status, int(kErrorsFound));
        QCOMPARE(failed.out.count(u'\n'), 3);
        QVERIFY2(failed.out.contains(home.file(u"lowercase.ub4"_qs) +
                                     u": FL 11 edit8b: error: sex f"_qs),
                 qPrintable(failed.out));
        QCOMPARE(failed.err, QString());
    }

    void statuses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        cw::test::TempHome home;
        const Run run = claimwright(arguments, home);
        QCOMPARE(run.status, status);
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
    }

    // The editor's command line is read once its application has taken out the options of
    // Qt's own; a bad one is refused before a window opens (one that opened would keep the
    // program running on the offscreen screen).
    void badEditorCommandLinesOpenNoWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        QTest::newRow("unknown option")
            << QStringList{u"--colour"_qs, u"a.ub4"_qs} << "Unknown option \"--colour\".";
        QTest::newRow("a claim named like an option")
            << QStringList{u"-a.ub4"_qs} << "Unknown option \"-a.ub4\".";
        QTest::newRow("a print option without --print-pdf")
            << QStringList{u"--mode"_qs, u"text"_qs, u"a.ub4"_qs}
            << "--print-pdf OUT.pdf is missing.";
    }
    void badEditorCommandLinesOpenNoWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        cw::test::TempHome home;
        const Run run = claimwright(arguments, home, {u"QT_QPA_PLATFORM=offscreen"_qs});
        QCOMPARE(run.status, int(kBadCommandLine));
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.endsWith(u"claimwright: "_qs + says +
                                  u"\nRun claimwright --help for the usage.\n"_qs),
                 qPrintable(run.err));
    }

    // Qt's own options are Qt's: a desktop that restores its session starts the program with
    // -session, and users choose a style or a platform.
    void qtOptionsStartTheEditor() {
        cw::test::TempHome home;
        const Run run = claimwright(
            {u"-style"_qs, u"Fusion"_qs, u"-session"_qs, u"restored"_qs, u"-reverse"_qs}, home,
            {u"QT_QPA_PLATFORM=offscreen"_qs, u"CLAIMWRIGHT_QUIT_AFTER_START=1"_qs});
        QCOMPARE(run.status, 0);
        QVERIFY2(!run.err.contains(u"Unknown option"_qs), qPrintable(run.err));
    }

    // The PDF goes over nothing but an earlier PDF. In the home folder: the claims a.ub4, b.ub4
    // and "claim", the folder "sub", link.pdf (a link to a.ub4), notes.pdf (text), pipe.pdf (a
    // named pipe) and earlier.pdf (a PDF).
    void outputIsNeverAClaimOrAnotherFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const QString pdf = u"--print-pdf"_qs;
        QTest::newRow("PDF name forgotten")
            << QStringList{pdf, u"a.ub4"_qs, u"b.ub4"_qs} << int(kBadCommandLine)
            << "\"a.ub4\" after --print-pdf is the name of a claim file";
        QTest::newRow("the claim it prints") << QStringList{pdf, u"claim"_qs, u"claim"_qs}
                                             << int(kBadCommandLine) << "is the claim file";
        QTest::newRow("the claim by another path")
            << QStringList{pdf, u"sub/../claim"_qs, u"a.ub4"_qs, u"./claim"_qs}
            << int(kBadCommandLine) << "is the claim file \"./claim\"";
        QTest::newRow("a link to the claim") << QStringList{pdf, u"link.pdf"_qs, u"a.ub4"_qs}
                                             << int(kBadCommandLine) << "is the claim file";
        QTest::newRow("a text file") << QStringList{pdf, u"notes.pdf"_qs, u"a.ub4"_qs}
                                     << int(kBadCommandLine) << "exists and is not a PDF file";
        QTest::newRow("a named pipe") << QStringList{pdf, u"pipe.pdf"_qs, u"a.ub4"_qs}
                                      << int(kBadCommandLine) << "exists and is not a PDF file";
        QTest::newRow("an earlier PDF") << QStringList{pdf, u"earlier.pdf"_qs, u"a.ub4"_qs}
                                        << int(kAllPrinted) << "printed 1 of 1 claims";
    }
    void outputIsNeverAClaimOrAnotherFile() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        cw::test::TempHome home;
        const QByteArray claim = cw::test::fixture("claim-sample.ub4");
        for (const char* name : {"a.ub4", "b.ub4", "claim"})
            writeFile(home.file(QLatin1StringView(name)), claim);
        writeFile(home.file(u"notes.pdf"_qs), "not a PDF");
        writeFile(home.file(u"earlier.pdf"_qs), "%PDF-1.4\n% an earlier print\n");
        QVERIFY(QDir(home.path()).mkdir(u"sub"_qs));
        QVERIFY(QFile::link(u"a.ub4"_qs, home.file(u"link.pdf"_qs)));
        QCOMPARE(::mkfifo(QFile::encodeName(home.file(u"pipe.pdf"_qs)).constData(), 0600), 0);
        const auto before = snapshot(home.path());

        const Run run = claimwright(arguments, home);
        QCOMPARE(run.status, status);
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
        if (status == kBadCommandLine) {
            QCOMPARE(snapshot(home.path()), before);
        } else {
            QCOMPARE(cw::test::pdfPageCount(home.file(u"earlier.pdf"_qs)), 1);
            QCOMPARE(snapshot(home.path()).keys(), before.keys());
        }
    }
};

CW_REGISTER_TEST(HeadlessProgramTest)
#include "HeadlessProgramTest.moc"
