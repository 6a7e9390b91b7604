// The settings file of advanced alignment: its keys, what a load reads, what a save and a
// reset write and keep, where it lives, and a field's offsets on the printed page.

#include "printing/FieldOffsetsFile.h"

#include "ForkedChild.h"
#include "PdfReading.h"
#include "PrintJobFixture.h"
#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "model/FieldCatalogue.h"
#include "platform/FileAccess.h"
#include "platform/KnownFolders.h"
#include "printing/PrintEngine.h"

#include <QFile>
#include <QTest>

#include <cstring>
#include <sys/stat.h>

using namespace cw::printing;
using cw::model::FieldCatalogue;
using cw::test::filesIn;
using cw::test::writeFile;

namespace {

int indexOf(const char* field) {
    return FieldCatalogue::indexOf(QString::fromLatin1(field));
}

FieldOffsets loaded(const QString& path) {
    const auto offsets = FieldOffsetsFile(path).load();
    if (!offsets)
        qFatal("cannot load: %s", qPrintable(offsets.error()));
    return *offsets;
}

bool allZero(const FieldOffsets& offsets) {
    for (int i = 0; i < cw::model::kFieldCount; ++i)
        if (offsets.upShift(i) != 0 || offsets.rightShift(i) != 0)
            return false;
    return true;
}

// A file the user wrote by hand, with a section and keys of other programs around ours.
const QByteArray kHandWritten = "[Window]\r\n"
                                "Maximised=1\r\n"
                                "\r\n"
                                "[Alignment]\r\n"
                                "Control 012 Top=2\r\n"
                                "Note=kept\r\n"
                                "Control 012 Left=-3\r\n"
                                "control 508 top=70000\r\n"
                                "Control 000 Left=abc\r\n"
                                "\r\n"
                                "[Other]\r\n"
                                "Control 001 Top=9\r\n";

} // namespace

class FieldOffsetsFileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<cw::test::TempHome> m_home;

    QString settingsPath() const { return m_home->file(u"CWMAIN_Settings.ini"_qs); }

private slots:
    void init() { m_home = std::make_unique<cw::test::TempHome>(); }
    void cleanup() { m_home.reset(); }

    void keysCarryTheIndexInThreeDigits() {
        QCOMPARE(topKey(0), QByteArray("Control 000 Top"));
        QCOMPARE(leftKey(0), QByteArray("Control 000 Left"));
        QCOMPARE(topKey(12), QByteArray("Control 012 Top"));
        QCOMPARE(leftKey(508), QByteArray("Control 508 Left"));
    }

    void missingFileReadsAsAllZero() {
        QVERIFY(allZero(loaded(settingsPath())));
        QVERIFY(!QFile::exists(settingsPath())); // reading makes no file
    }

    // Names ignore case, other sections do not count, a value that is no number reads as 0 and
    // only the low 16 bits of a number count (70000 is 4464).
    void readsEveryFieldWithTheWindowsRules() {
        writeFile(settingsPath(), kHandWritten);
        const FieldOffsets offsets = loaded(settingsPath());
        QCOMPARE(offsets.upShift(12), qint16(2));
        QCOMPARE(offsets.rightShift(12), qint16(-3));
        QCOMPARE(offsets.upShift(508), qint16(4464));
        QCOMPARE(offsets.rightShift(0), qint16(0));
        QCOMPARE(offsets.upShift(1), qint16(0)); // in another section
    }

    void fileThatCannotBeReadIsAnError() {
        QVERIFY(QDir().mkpath(settingsPath())); // a folder in the file's place
        const auto offsets = FieldOffsetsFile(settingsPath()).load();
        QVERIFY(!offsets);
        QVERIFY2(offsets.error().contains(settingsPath()), qPrintable(offsets.error()));
    }

    // Both keys are written, also at 0 (they are not deleted), and the offsets in memory follow.
    void saveWritesBothKeysAlsoAtZero() {
        writeFile(settingsPath(), kHandWritten);
        FieldOffsets offsets = loaded(settingsPath());
        QVERIFY(FieldOffsetsFile(settingsPath()).save(12, 0, 0, offsets));
        QCOMPARE(offsets.upShift(12), qint16(0));
        QCOMPARE(offsets.rightShift(12), qint16(0));
        QCOMPARE(cw::test::fileBytes(settingsPath()), QByteArray("[Window]\r\n"
                                                                 "Maximised=1\r\n"
                                                                 "\r\n"
                                                                 "[Alignment]\r\n"
                                                                 "Control 012 Top=0\r\n"
                                                                 "Note=kept\r\n"
                                                                 "Control 012 Left=0\r\n"
                                                                 "control 508 top=70000\r\n"
                                                                 "Control 000 Left=abc\r\n"
                                                                 "\r\n"
                                                                 "[Other]\r\n"
                                                                 "Control 001 Top=9\r\n"));
        QCOMPARE(offsets.upShift(508), qint16(4464)); // the other fields stay
    }

    void firstSaveMakesTheFile() {
        FieldOffsets offsets;
        QVERIFY(FieldOffsetsFile(settingsPath()).save(indexOf("edit6a"), 3, -2, offsets));
        const QByteArray number = QByteArray::number(indexOf("edit6a")).rightJustified(3, '0');
        QCOMPARE(cw::test::fileBytes(settingsPath()), "[Alignment]\r\nControl " + number +
                                                          " Top=3\r\nControl " + number +
                                                          " Left=-2\r\n");
        QCOMPARE(loaded(settingsPath()).upShift(indexOf("edit6a")), qint16(3));
        QCOMPARE(filesIn(m_home->path()).filter(u"CWMAIN"_qs), QStringList{kFieldOffsetsFileName});
    }

    // Every Top and Left key goes, whatever its letter case; the other sections, and the other
    // keys of the section, stay.
    void resetAllRemovesEveryFieldKeyAndKeepsTheRest() {
        writeFile(settingsPath(), kHandWritten);
        FieldOffsets offsets = loaded(settingsPath());
        QVERIFY(FieldOffsetsFile(settingsPath()).resetAll(offsets));
        QVERIFY(allZero(offsets));
        QCOMPARE(cw::test::fileBytes(settingsPath()), QByteArray("[Window]\r\n"
                                                                 "Maximised=1\r\n"
                                                                 "\r\n"
                                                                 "[Alignment]\r\n"
                                                                 "Note=kept\r\n"
                                                                 "\r\n"
                                                                 "[Other]\r\n"
                                                                 "Control 001 Top=9\r\n"));
    }

    // The user asked for every field at 0: the offsets in memory go to 0 also when the file has
    // no section to clean (someone removed it after the start), and no file is made.
    void resetAllWithoutTheSectionStillZeroesTheOffsets() {
        FieldOffsets offsets;
        offsets.set(5, 4, 4);
        QVERIFY(FieldOffsetsFile(settingsPath()).resetAll(offsets));
        QVERIFY(allZero(offsets));
        QVERIFY(!QFile::exists(settingsPath()));
    }

    // An ordinary user whose program folder holds a settings file he may not write: the save
    // says which file and why, and neither the file nor the offsets in memory change.
    void saveThatCannotBeWrittenChangesNothing() {
        writeFile(settingsPath(), kHandWritten);
        QFile::setPermissions(m_home->path(), QFileDevice::Permissions(0x7777));
        QVERIFY(::chmod(QFile::encodeName(settingsPath()).constData(), 0444) == 0);
        const QString path = settingsPath();
        cw::test::ForkedChild saver(
            [path] {
                FieldOffsets offsets;
                offsets.set(12, 2, -3);
                const auto saved = FieldOffsetsFile(path).save(12, 7, 7, offsets);
                const auto reset = FieldOffsetsFile(path).resetAll(offsets);
                const bool unchanged = offsets.upShift(12) == 2 && offsets.rightShift(12) == -3;
                return (saved ? QByteArray("saved") : saved.error().toUtf8()) + '\n' +
                       (reset ? QByteArray("reset") : reset.error().toUtf8()) + '\n' +
                       (unchanged ? "unchanged" : "changed");
            },
            cw::test::ChildUser::Ordinary);
        const QStringList answer =
            QString::fromUtf8(saver.answer().value_or("no answer")).split(u'\n');
        QCOMPARE(answer.size(), 3);
        const QString reason = QString::fromLocal8Bit(std::strerror(EACCES));
        QVERIFY2(answer[0].startsWith(u"The alignment of this field was not saved."_qs) &&
                     answer[0].contains(path) && answer[0].endsWith(reason),
                 qPrintable(answer[0]));
        QVERIFY2(answer[1].contains(path) && answer[1].endsWith(reason), qPrintable(answer[1]));
        QCOMPARE(answer[2], u"unchanged"_qs);
        QCOMPARE(cw::test::fileBytes(settingsPath()), kHandWritten);
    }

    void livesBesideTheProgramWhenItsFolderCanBeWritten() {
        const QString program = m_home->file(u"program/"_qs);
        QVERIFY(QDir().mkpath(program));
        QCOMPARE(fieldOffsetsFilePath(program), program + u"CWMAIN_Settings.ini"_qs);
    }

    // A program in a folder the user cannot write (here: a file stands where its folder would
    // be, which binds root too) keeps the file in the user's config folder.
    void otherwiseInTheUsersConfigFolder() {
        writeFile(m_home->file(u"usr"_qs), "a file");
        QCOMPARE(fieldOffsetsFilePath(m_home->file(u"usr/bin/"_qs)),
                 m_home->configHome() + u"/Quillmark/CWMAIN_Settings.ini"_qs);
        QVERIFY(QFileInfo(m_home->configHome() + u"/Quillmark"_qs).isDir());
    }

    // A field saved with up 3 and right -2 prints 3 points higher and 2 points further left
    // than the page offsets alone place it; the fields around it stay.
    void savedFieldPrintsShifted() {
        cw::test::PrintRun run;
        cw::model::ClaimValues claim;
        claim.setValue(u"edit6a", u"MOVED"_qs);
        claim.setValue(u"edit6b", u"STAYS"_qs);
        // Page offsets too, so the field offset is seen to come on top of them.
        run.preferences[cw::prefs::Pref::PrintAlignment1] = u"20"_qs;
        const auto print = [&](const char* name) {
            const QString pdf = m_home->file(QLatin1StringView(name));
            auto printer = cw::test::pdfPrinter(pdf);
            PrintEngine engine;
            const auto job =
                engine.printClaim(*printer, TextSource::claim(claim), 1, run.settings());
            if (!job)
                qFatal("%s", qPrintable(job.error()));
            return cw::test::pdfWords(pdf);
        };
        const auto before = print("before.pdf");
        QVERIFY(FieldOffsetsFile(settingsPath()).save(indexOf("edit6a"), 3, -2, run.fieldOffsets));
        run.fieldOffsets = loaded(settingsPath());
        const auto after = print("after.pdf");
        const QPointF moved = cw::test::wordBox(after, u"MOVED"_qs).topLeft() -
                              cw::test::wordBox(before, u"MOVED"_qs).topLeft();
        QVERIFY2(std::abs(moved.x() + 2) < 0.1 && std::abs(moved.y() + 3) < 0.1,
                 qPrintable(u"moved %1, %2"_qs.arg(moved.x()).arg(moved.y())));
        QCOMPARE(cw::test::wordBox(after, u"STAYS"_qs), cw::test::wordBox(before, u"STAYS"_qs));
        // Where the page offsets put it: x 238 as the table says, y 78 + 3 down.
        QVERIFY(std::abs(cw::test::wordBox(before, u"STAYS"_qs).left() - 238) < 0.1);
    }
};

CW_REGISTER_TEST(FieldOffsetsFileTest)
#include "FieldOffsetsFileTest.moc"
