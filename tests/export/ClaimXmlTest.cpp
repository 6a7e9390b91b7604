#include "export/ClaimXml.h"

#include "ExternalReader.h"
#include "Fixtures.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "model/ClaimFile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::exports;
using cw::model::ClaimValues;
using cw::test::fileBytes;
using cw::test::runReader;

namespace {

// Line 1 is the declaration, 2 to 659 the document type definition, 660 empty.
constexpr int kFormLine = 661;

QList<QByteArray> linesOf(const QByteArray& xml) {
    return xml.split('\n');
}

QByteArray lineAt(const QByteArray& xml, int lineNumber) {
    return linesOf(xml).value(lineNumber - 1).chopped(1);
}

class ClaimXmlTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeExport(const ClaimValues& values, const char* name) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        cw::test::writeFile(path, claimXml(values));
        return path;
    }

    void expectValid(const QString& path) {
        const auto lint = runReader(QStringLiteral("xmllint"),
                                    {QStringLiteral("--valid"), QStringLiteral("--noout"), path});
        QVERIFY2(lint.exitCode == 0, lint.err.constData());
        QVERIFY2(lint.err.isEmpty(), lint.err.constData());
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Golden files: every byte, the CR LF line ends and the closing tags at the ends of lines.
    void matchesGoldenFiles_data() {
        QTest::addColumn<QString>("claim");
        QTest::addColumn<QString>("golden");
        QTest::newRow("sample") << QStringLiteral("claim-sample.ub4")
                                << QStringLiteral("claim-sample.xml");
        QTest::newRow("empty") << QStringLiteral("claim-empty.ub4")
                               << QStringLiteral("claim-empty.xml");
    }
    void matchesGoldenFiles() {
        QFETCH(QString, claim);
        QFETCH(QString, golden);
        const auto values = cw::model::readClaimFile(cw::test::fixturePath(qPrintable(claim)));
        QVERIFY(values.ok());
        const QByteArray xml = claimXml(*values);
        QCOMPARE(xml, cw::test::fixture(qPrintable(golden)));
        expectValid(writeExport(*values, "golden.xml"));
    }

    // An empty claim still gives all 197 children and every row's ten, each empty.
    void emptyClaimIsComplete() {
        const QByteArray xml = claimXml(ClaimValues());
        QCOMPARE(lineAt(xml, 1), QByteArray(R"(<?xml version="1.0" encoding="ISO-8859-1"?>)"));
        QCOMPARE(lineAt(xml, 2), QByteArray("<!DOCTYPE form ["));
        QCOMPARE(lineAt(xml, 659), QByteArray("]>"));
        QCOMPARE(lineAt(xml, 660), QByteArray());
        QCOMPARE(lineAt(xml, kFormLine), QByteArray("<form>"));
        QCOMPARE(lineAt(xml, kFormLine + 1),
                 QByteArray("<provider_info_line1></provider_info_line1>"));
        QCOMPARE(xml.count("\r\n"), xml.count('\n'));
        const QString text = QString::fromLatin1(xml);
        auto emptyLeaves = QRegularExpression(QStringLiteral(R"(<(\w+)></\1>)")).globalMatch(text);
        int leaves = 0;
        for (; emptyLeaves.hasNext(); emptyLeaves.next())
            ++leaves;
        QCOMPARE(leaves, 196 + 23 * 10);
        QCOMPARE(xml.count("<trans"), 1 + 23);
        QVERIFY(xml.endsWith("<submission_date></submission_date></form>\r\n"));
        expectValid(writeExport(ClaimValues(), "empty.xml"));
    }

    // The neighbours of the revenue rows, and the last row reading form line 38.
    void revenueRowsSitBetweenTheValueCodesAndThePayers() {
        ClaimValues values;
        const char columns[] = "abcdefghij";
        for (const char column : QByteArrayView(columns))
            values.setValue(QString(QStringLiteral("edit38") + QLatin1Char(column)),
                            QStringLiteral("r38") + QLatin1Char(column));
        values.setValue(u"edit15j", QStringLiteral("99"));
        values.setValue(u"edit39a", QStringLiteral("PAYER"));
        const QList<QByteArray> lines = linesOf(claimXml(values));
        const auto at = [&lines](qsizetype i) {
            return lines.at(i).chopped(1);
        };
        const qsizetype opening = lines.indexOf("<transactions>\r");
        QVERIFY(opening > 0);
        QCOMPARE(at(opening - 1), QByteArray("<value_codes_3d_cents>99</value_codes_3d_cents>"));
        const qsizetype row23 = lines.indexOf("<trans23>\r");
        QCOMPARE(at(row23 + 1), QByteArray("<revenue_code>r38a</revenue_code>"));
        QCOMPARE(at(row23 + 4), QByteArray("<service_date>r38d</service_date>"));
        QCOMPARE(at(row23 + 10), QByteArray("<localuse_transactions>r38j</localuse_transactions>"
                                            "</trans23></transactions>"));
        QCOMPARE(at(row23 + 11), QByteArray("<payer_a>PAYER</payer_a>"));
        QCOMPARE(at(row23 - 1),
                 QByteArray("<localuse_transactions></localuse_transactions></trans22>"));
    }

    // Markup characters, Windows-1252's own characters and control characters from a
    // hand-edited claim: the file stays valid and a reader gets the claim's text.
    void textReachesAReaderUnchanged_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("read");
        QTest::newRow("markup") << QStringLiteral("A & B < C > D ]]> E")
                                << QStringLiteral("A &amp; B &lt; C &gt; D ]]&gt; E");
        QTest::newRow("latin-1") << QStringLiteral("Café Müller ½")
                                 << QStringLiteral("Café Müller ½");
        QTest::newRow("windows-1252")
            << QStringLiteral("€ 5 “Šaš” – ok…") << QStringLiteral("€ 5 “Šaš” – ok…");
        QTest::newRow("control characters")
            << (QStringLiteral("a") + QChar(0x01) + QStringLiteral("b") + QChar(0x1F))
            << QStringLiteral("a b ");
        QTest::newRow("blanks kept") << QStringLiteral("  x  ") << QStringLiteral("  x  ");
    }
    void textReachesAReaderUnchanged() {
        QFETCH(QString, value);
        QFETCH(QString, read);
        ClaimValues values;
        values.setValue(u"edit52a", value);
        values.setValue(u"edit16b", value);
        const QString path = writeExport(values, "text.xml");
        expectValid(path);
        const auto utf8 = runReader(QStringLiteral("xmllint"),
                                    {QStringLiteral("--encode"), QStringLiteral("UTF-8"), path});
        QCOMPARE(utf8.exitCode, 0);
        const QString text = QString::fromUtf8(utf8.out);
        QVERIFY2(text.contains(QStringLiteral("<remarks_line1>") + read +
                               QStringLiteral("</remarks_line1>")),
                 qPrintable(text.right(200)));
        QVERIFY(text.contains(QStringLiteral("<description>") + read +
                              QStringLiteral("</description>")));
    }

    // Characters beyond ISO-8859-1 are references, so the declaration stays true.
    void euroSignIsACharacterReference() {
        ClaimValues values;
        values.setValue(u"edit6a", QStringLiteral("€"));
        QVERIFY(claimXml(values).contains("<patient_name>&#8364;</patient_name>"));
    }
};

} // namespace

CW_REGISTER_TEST(ClaimXmlTest)
#include "ClaimXmlTest.moc"
