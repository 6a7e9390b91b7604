#include "printing/SampleClaimText.h"

#include "TestRegistry.h"
#include "model/FieldCatalogue.h"
#include "printing/PrintPositionTable.h"

#include <QRegularExpression>
#include <QTest>

using cw::model::FieldCatalogue;
using cw::printing::sampleText;

namespace {

QString sampleOf(const QString& name) {
    return sampleText(FieldCatalogue::indexOf(name));
}

} // namespace

class SampleClaimTextTest : public QObject {
    Q_OBJECT

private slots:
    void tellingRows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("provider, trailing blank") << "edit1a"
                                                  << "JohnSmith Medical Billing ";
        QTest::newRow("provider address") << "edit2a"
                                          << "292 Imaginary Road";
        QTest::newRow("provider city") << "edit3a"
                                       << "San Francisco, CA 94117";
        QTest::newRow("control number") << "edit2c"
                                        << "123456789";
        QTest::newRow("tax number") << "edit4b"
                                    << "555-55-5555";
        QTest::newRow("period from") << "edit4c"
                                     << "100104";
        QTest::newRow("patient") << "edit6a"
                                 << "Doe, Jane";
        QTest::newRow("sex") << "edit8b"
                             << "F";
        QTest::newRow("responsible party") << "edit12a"
                                           << "Jane Doe";
        QTest::newRow("payer") << "edit39a"
                               << "Payer Company";
        QTest::newRow("group name") << "edit43d"
                                    << "Group";
        QTest::newRow("employer, trailing blank") << "edit46c"
                                                  << "Work, Inc. ";
    }
    void tellingRows() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(sampleOf(name), text);
    }

    void providerTelephoneIsADigitText() {
        const QString phone = sampleOf(QStringLiteral("edit4a"));
        QVERIFY(phone.count(QRegularExpression(QStringLiteral("\\d"))) == 10);
    }

    void serviceLines_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("date");
        QTest::newRow("line 1") << 16 << "100104";
        QTest::newRow("line 2") << 17 << "100204";
        QTest::newRow("line 10") << 25 << "101004";
        QTest::newRow("line 22") << 37 << "102204";
    }
    void serviceLines() {
        QFETCH(int, group);
        QFETCH(QString, date);
        const QString prefix = QStringLiteral("edit") + QString::number(group);
        const QStringList expected = {QStringLiteral("123"),    QStringLiteral("Procedure"),
                                      QStringLiteral("100.00"), date,
                                      QStringLiteral("1"),      QStringLiteral("100"),
                                      QStringLiteral("00"),     QStringLiteral("50"),
                                      QStringLiteral("00"),     QString()};
        for (int column = 0; column < expected.size(); ++column)
            QCOMPARE(sampleOf(prefix + QChar(u'a' + column)), expected[column]);
    }

    // One complete claim: the stated number of texts, none where nothing is printed, and
    // none longer than its field takes, so the test print shows every text in its box.
    void sampleIsOnePrintableClaim() {
        int nonEmpty = 0;
        for (int i = 0; i < cw::model::kFieldCount; ++i) {
            const QString text = sampleText(i);
            if (text.isEmpty())
                continue;
            ++nonEmpty;
            const QString name(FieldCatalogue::name(i));
            QVERIFY2(cw::printing::printPosition(i).isPrinted(), qPrintable(name));
            QVERIFY2(text.size() <= FieldCatalogue::maxLength(i), qPrintable(name));
        }
        QCOMPARE(nonEmpty, cw::printing::kSampleTextCount);
    }
};

CW_REGISTER_TEST(SampleClaimTextTest)
#include "SampleClaimTextTest.moc"
