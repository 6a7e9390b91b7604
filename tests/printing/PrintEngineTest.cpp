#include "printing/PrintEngine.h"

#include "PdfReading.h"
#include "PrintJobFixture.h"
#include "TempHome.h"
#include "TestRegistry.h"
#include "model/FieldCatalogue.h"
#include "platform/DebugOutput.h"
#include "printing/PrintLog.h"
#include "printing/PrintPositionTable.h"

#include <QFile>
#include <QTest>

using namespace cw::printing;
using cw::model::FieldCatalogue;
using cw::prefs::Pref;
using cw::test::PrintRun;

Q_DECLARE_METATYPE(TextAlignment)

namespace {

// A claim of single words, so that pdftotext reports each field as one word.
cw::model::ClaimValues ownClaim() {
    cw::model::ClaimValues claim;
    claim.setValue(u"edit8a", QStringLiteral("RIGHTWORD"));  // R 72, y 102; catalogue index 0
    claim.setValue(u"edit1a", QStringLiteral("LEFTWORD"));   // L 22, y 20
    claim.setValue(u"edit12b", QStringLiteral("CENTRED"));   // C 330, y 163
    claim.setValue(u"edit15k", QStringLiteral("BENT"));      // L 27, y 199
    claim.setValue(u"edit16b", QStringLiteral("MOVED"));     // L 49, y 223
    claim.setValue(u"edit40a", QStringLiteral("LOWER"));     // L 20, y 525
    claim.setValue(u"edit55f", QStringLiteral("BOTTOM"));    // L 517, y 767
    claim.setValue(u"edit54g", QStringLiteral("LASTFIELD")); // L 408, y 755; index 508
    claim.setValue(u"edit8c", QStringLiteral("OFFFORM"));    // width 0: never printed
    return claim;
}

QString logged(const char* line) {
    return kPrintLogPrefix + QLatin1StringView(line);
}

} // namespace

class PrintEngineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<cw::test::TempHome> m_home;
    cw::model::ClaimValues m_claim = ownClaim();
    QList<cw::test::PdfWord> m_baseline;

    QString pdfPath(const QString& name) const { return m_home->file(name); }

    // Prints the claim text-only on a fresh engine and reads the words back.
    QList<cw::test::PdfWord> printOwnClaim(PrintRun& run, QMarginsF margins = {}) {
        const QString path = pdfPath(QStringLiteral("geometry.pdf"));
        QFile::remove(path);
        auto printer = cw::test::pdfPrinter(path, margins);
        PrintEngine engine;
        const auto job = engine.printClaim(*printer, TextSource::claim(m_claim), 1, run.settings());
        if (!job)
            qWarning("%s", qPrintable(job.error()));
        return cw::test::pdfWords(path);
    }

private slots:
    void initTestCase() {
        m_home = std::make_unique<cw::test::TempHome>();
        PrintRun run;
        m_baseline = printOwnClaim(run);
        QVERIFY(!m_baseline.isEmpty());
    }

    // Defaults and no field offsets: every field at its table position, as its alignment says.
    void textLandsOnItsTablePosition_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<TextAlignment>("alignment");
        QTest::addColumn<QPointF>("anchor");
        QTest::newRow("left") << "LEFTWORD" << TextAlignment::Left << QPointF(22, 20);
        QTest::newRow("right") << "RIGHTWORD" << TextAlignment::Right << QPointF(72, 102);
        QTest::newRow("centred") << "CENTRED" << TextAlignment::Center << QPointF(330, 163);
        QTest::newRow("bottom of the page") << "BOTTOM" << TextAlignment::Left << QPointF(517, 767);
    }
    void textLandsOnItsTablePosition() {
        QFETCH(QString, word);
        QFETCH(TextAlignment, alignment);
        QFETCH(QPointF, anchor);
        const QRectF box = cw::test::wordBox(m_baseline, word);
        QVERIFY2(!box.isNull(), qPrintable(word));
        // x exactly up to the device pixel, or to the point the width is rounded to.
        switch (alignment) {
        case TextAlignment::Left:
            QVERIFY2(std::abs(box.left() - anchor.x()) < 0.1,
                     qPrintable(QString::number(box.left())));
            break;
        case TextAlignment::Right:
            QVERIFY2(std::abs(box.right() - anchor.x()) < 0.6,
                     qPrintable(QString::number(box.right())));
            break;
        case TextAlignment::Center:
            QVERIFY2(std::abs(box.center().x() - anchor.x()) < 0.6,
                     qPrintable(QString::number(box.center().x())));
            break;
        }
        // y is the centre line, to the point the half height is rounded to.
        QVERIFY2(std::abs(box.center().y() - anchor.y()) < 0.75,
                 qPrintable(QString::number(box.center().y())));
    }

    void offFormFieldsAreNotPrinted() {
        QVERIFY(cw::test::wordBox(m_baseline, QStringLiteral("OFFFORM")).isNull());
        QCOMPARE(m_baseline.size(), 8);
    }

    // The printable area of a printer with margins starts inside the sheet; the text must not
    // move with it.
    void marginsDoNotMoveTheText() {
        PrintRun run;
        const auto words = printOwnClaim(run, QMarginsF(25, 40, 10, 15));
        for (const auto& expected : m_baseline) {
            const QRectF box = cw::test::wordBox(words, expected.text);
            QVERIFY2(std::abs(box.left() - expected.box.left()) < 0.1 &&
                         std::abs(box.top() - expected.box.top()) < 0.1,
                     qPrintable(expected.text));
        }
    }

    // How far a word moves against the defaults, for page offsets (PRINTALIGNMENTn minus its
    // default) and field offsets.
    void offsetsMoveTheText_data() {
        QTest::addColumn<QList<int>>("alignment"); // PRINTALIGNMENT1..7 minus their defaults
        QTest::addColumn<QString>("field");
        QTest::addColumn<QPoint>("fieldOffset"); // right-shift, up-shift
        QTest::addColumn<QString>("word");
        QTest::addColumn<QPointF>("moved");
        const QList<int> none{0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("V1 moves the top down")
            << QList<int>{4, 0, 0, 0, 0, 0, 0} << "" << QPoint() << "LEFTWORD" << QPointF(0, 4);
        // 5.26 points at y 199 for V2 = 10.
        QTest::newRow("V2 bends y 199 by 5")
            << QList<int>{0, 10, 0, 0, 0, 0, 0} << "" << QPoint() << "BENT" << QPointF(0, 5);
        QTest::newRow("V2 leaves the top")
            << QList<int>{0, 10, 0, 0, 0, 0, 0} << "" << QPoint() << "LEFTWORD" << QPointF(0, 0);
        // 24 * 4/192 is exactly 0.5 at y 102: to even, so no move.
        QTest::newRow("half a point rounds to even")
            << QList<int>{0, 24, 0, 0, 0, 0, 0} << "" << QPoint() << "RIGHTWORD" << QPointF(0, 0);
        // 12 * 40/192 = 2.5 at y 525: 2.
        QTest::newRow("two and a half rounds to two")
            << QList<int>{0, 0, 0, 0, 0, 0, 12} << "" << QPoint() << "LOWER" << QPointF(0, 2);
        QTest::newRow("V4 comes from the seventh")
            << QList<int>{0, 0, 0, 0, 0, 0, -6} << "" << QPoint() << "BOTTOM" << QPointF(0, -6);
        QTest::newRow("H1 moves the left")
            << QList<int>{0, 0, 0, -3, 0, 0, 0} << "" << QPoint() << "LEFTWORD" << QPointF(-3, 0);
        // 10 * 23/203 = 1.13 at x 330.
        QTest::newRow("H3 bends x 330")
            << QList<int>{0, 0, 0, 0, 0, 10, 0} << "" << QPoint() << "CENTRED" << QPointF(1, 0);
        QTest::newRow("field offset, up and right")
            << none << "edit16b" << QPoint(7, 3) << "MOVED" << QPointF(7, -3);
        QTest::newRow("field offset, down and left")
            << none << "edit16b" << QPoint(-2, -5) << "MOVED" << QPointF(-2, 5);
        QTest::newRow("field offset is the field's own")
            << none << "edit16b" << QPoint(7, 3) << "BENT" << QPointF(0, 0);
    }
    void offsetsMoveTheText() {
        QFETCH(QList<int>, alignment);
        QFETCH(QString, field);
        QFETCH(QPoint, fieldOffset);
        QFETCH(QString, word);
        QFETCH(QPointF, moved);
        PrintRun run;
        for (int i = 0; i < 7; ++i) {
            const Pref slot = cw::prefs::prefAt(i);
            run.preferences[slot] = QString::number(
                QString(cw::prefs::preferenceKey(slot).defaultValue).toInt() + alignment[i]);
        }
        if (!field.isEmpty())
            run.fieldOffsets.set(FieldCatalogue::indexOf(field), qint16(fieldOffset.y()),
                                 qint16(fieldOffset.x()));
        const QRectF box = cw::test::wordBox(printOwnClaim(run), word);
        const QRectF before = cw::test::wordBox(m_baseline, word);
        QVERIFY(!box.isNull() && !before.isNull());
        const QPointF delta = box.topLeft() - before.topLeft();
        QVERIFY2(std::abs(delta.x() - moved.x()) < 0.1 && std::abs(delta.y() - moved.y()) < 0.1,
                 qPrintable(QStringLiteral("moved %1, %2").arg(delta.x()).arg(delta.y())));
    }

    // The alignment test print's sample claim, on its table positions.
    void sampleTextPrintsTheSampleClaim() {
        PrintRun run;
        const QString path = pdfPath(QStringLiteral("sample.pdf"));
        auto printer = cw::test::pdfPrinter(path);
        PrintEngine engine;
        QVERIFY(engine.printClaim(*printer, TextSource::sample(), 1, run.settings()).ok());
        const auto words = cw::test::pdfWords(path);
        const QRectF control = cw::test::wordBox(words, QStringLiteral("123456789"));
        QVERIFY(std::abs(control.left() - 396) < 0.1);
        QVERIFY(std::abs(control.center().y() - 20) < 0.75);
        int procedures = 0;
        for (const auto& w : words)
            procedures += w.text == QLatin1StringView("Procedure");
        QCOMPARE(procedures, 22);
    }

    // One job's log: the steps in order, all 509 fields numbered from 001, the job number.
    void logsEveryStepOfAJob() {
        PrintRun run;
        auto printer = cw::test::pdfPrinter(pdfPath(QStringLiteral("log.pdf")));
        PrintEngine engine;
        QStringList lines;
        {
            cw::platform::DebugOutputCapture capture;
            QVERIFY(engine.printClaim(*printer, TextSource::claim(m_claim), 1, run.settings()));
            QVERIFY(engine.printClaim(*printer, TextSource::claim(m_claim), 1, run.settings()));
            lines = capture.lines();
        }
        const int perJob = 5 + 1 + 509 + 1 + 2;
        QCOMPARE(lines.size(), 2 * perJob);
        QCOMPARE(lines.mid(0, 6),
                 (QStringList{
                     logged("PrintAlignment try"), logged("PrintAlignment succeed"),
                     logged("-----------print job #1 ") + pdfPath(QStringLiteral("log.pdf")) +
                         QStringLiteral("-----------"),
                     logged("BeginDoc try"), logged("BeginDoc succeed"), logged("PrintText try")}));
        QCOMPARE(lines[6], logged("PrintText field:/001/ text:'RIGHTWORD'"));
        QCOMPARE(lines[7], logged("PrintText field:/002/ text:'LEFTWORD'"));
        const int offForm = FieldCatalogue::indexOf(u"edit8c");
        QCOMPARE(lines[6 + offForm],
                 kPrintLogPrefix + QStringLiteral("PrintText field:/%1/ text:''")
                                       .arg(offForm + 1, 3, 10, QLatin1Char('0')));
        QCOMPARE(lines[6 + 508], logged("PrintText field:/509/ text:'LASTFIELD'"));
        QCOMPARE(lines.mid(6 + 509, 3),
                 (QStringList{logged("PrintText succeed"), logged("EndDoc try"),
                              logged("EndDoc succeed")}));
        // The second job to the same PDF writes it again.
        QCOMPARE(lines[perJob + 2], logged("-----------print job #2 ") +
                                        pdfPath(QStringLiteral("log.pdf")) +
                                        QStringLiteral("-----------"));
    }
};

CW_REGISTER_TEST(PrintEngineTest)
#include "PrintEngineTest.moc"
