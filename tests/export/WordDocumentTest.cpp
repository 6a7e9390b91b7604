#include "export/WordDocument.h"

#include "ExternalReader.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::exports;
using cw::Result;
using cw::model::ClaimValues;

namespace {

// Each paragraph as its text, with "*" before it when every run of it is bold and "~" when
// some are.
const QString kReadDocument = QStringLiteral(R"(
import json, sys
import docx
out = []
for p in docx.Document(sys.argv[1]).paragraphs:
    bold = [bool(r.bold) for r in p.runs]
    mark = "*" if bold and all(bold) else ("~" if any(bold) else "")
    out.append(mark + p.text)
print(json.dumps(out))
)");

class WordDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QStringList readBack(const ClaimValues& values) {
        const Result<QByteArray> bytes = claimWordDocument(values);
        if (!bytes)
            qFatal("%s", qPrintable(bytes.error()));
        const QString path = m_dir.filePath(QStringLiteral("claim.docx"));
        cw::test::writeFile(path, *bytes);
        const auto read = cw::test::runPython(kReadDocument, {path});
        if (read.exitCode != 0)
            qFatal("python-docx: %s", read.err.constData());
        QStringList paragraphs;
        for (const QJsonValue& p : QJsonDocument::fromJson(read.out).array())
            paragraphs << p.toString();
        return paragraphs;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void layoutOfFieldsAndRows_data() {
        QTest::addColumn<QStringList>("fields"); // name=value pairs
        QTest::addColumn<QStringList>("paragraphs");
        const QString empty;
        QTest::newRow("empty claim") << QStringList{} << QStringList{empty};
        QTest::newRow("one field") << QStringList{QStringLiteral("edit6a=Doe, Jane")}
                                   << QStringList{QStringLiteral("*patient name"),
                                                  QStringLiteral("Doe, Jane"), empty, empty};
        QTest::newRow("row with a service date only")
            << QStringList{QStringLiteral("edit20d=01/05/2009")}
            << QStringList{QStringLiteral("*transaction5"), QStringLiteral("*service date"),
                           QStringLiteral("01/05/2009"), empty, empty};
        QTest::newRow("last row") << QStringList{QStringLiteral("edit38a=0250"),
                                                 QStringLiteral("edit38j=x")}
                                  << QStringList{QStringLiteral("*transaction23"),
                                                 QStringLiteral("*revenue code"),
                                                 QStringLiteral("0250"),
                                                 QStringLiteral("*localuse transactions"),
                                                 QStringLiteral("x"),
                                                 empty,
                                                 empty};
        // The rows come between the value codes and the payers, and 4b's code and date are
        // both there.
        QTest::newRow("order") << QStringList{QStringLiteral("edit39a=Payer"),
                                              QStringLiteral("edit16f=12"),
                                              QStringLiteral("edit15j=99"),
                                              QStringLiteral("edit11h=0105"),
                                              QStringLiteral("edit11g=A1"),
                                              QStringLiteral("edit1a=Prov & Co € ")}
                               << QStringList{QStringLiteral("*provider info line1"),
                                              QStringLiteral("Prov & Co € "),
                                              empty,
                                              QStringLiteral("*occurrence 4b code"),
                                              QStringLiteral("A1"),
                                              empty,
                                              QStringLiteral("*occurrence 4b date"),
                                              QStringLiteral("0105"),
                                              empty,
                                              QStringLiteral("*value codes 3d cents"),
                                              QStringLiteral("99"),
                                              empty,
                                              QStringLiteral("*transaction1"),
                                              QStringLiteral("*total charges dollars"),
                                              QStringLiteral("12"),
                                              empty,
                                              QStringLiteral("*payer a"),
                                              QStringLiteral("Payer"),
                                              empty,
                                              empty};
    }
    void layoutOfFieldsAndRows() {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, paragraphs);
        ClaimValues values;
        for (const QString& field : fields)
            values.setValue(field.section(u'=', 0, 0), field.section(u'=', 1));
        QCOMPARE(readBack(values), paragraphs);
    }

    // A control character from a hand-edited claim cannot spoil the document.
    void controlCharactersBecomeBlanks() {
        ClaimValues values;
        values.setValue(u"edit52a", QStringLiteral("a") + QChar(0x07) + QStringLiteral("b"));
        QCOMPARE(readBack(values).at(1), QStringLiteral("a b"));
    }
};

} // namespace

CW_REGISTER_TEST(WordDocumentTest)
#include "WordDocumentTest.moc"
