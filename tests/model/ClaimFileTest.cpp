#include "model/ClaimFile.h"

#include "Fixtures.h"
#include "TestRegistry.h"
#include "model/FieldText.h"
#include "model/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::model;

using cw::test::fixture;

namespace {

// The values that tests/fixtures/claim-sample.ub4 holds.
ClaimValues sampleClaim() {
    ClaimValues v;
    v.setValue(u"edit8a", QStringLiteral("01151960"));
    v.setValue(u"edit1a", QStringLiteral("JohnSmith Medical Billing "));
    v.setValue(u"edit3a", QStringLiteral("San Francisco, CA 94117"));
    v.setValue(u"edit2a", QStringLiteral("292 Imaginary Road"));
    v.setValue(u"edit4a", QStringLiteral("(555) 555-0100"));
    v.setValue(u"edit2c", QStringLiteral("123456789"));
    v.setValue(u"edit6a", QStringLiteral("Doe, Jane"));
    v.setValue(u"edit16a", QStringLiteral("0250"));
    v.setValue(u"edit16b", QStringLiteral("  Pharmacy  "));
    v.setValue(u"edit54g", QStringLiteral("B3"));
    v.setValue(u"edit38f", QStringLiteral("1325"));
    v.setValue(u"edit46c", QStringLiteral("Café Müller & Söhne"));
    return v;
}

ClaimValues parse(const QByteArray& bytes) {
    return claimValuesFromLines(splitClaimLines(Windows1252::decode(bytes)));
}

QByteArray providerBlock(const char* l1, const char* l3, const char* l2, const char* l4) {
    return QByteArray("/autofill/") + l1 + "\r\n/autofill/" + l3 + "\r\n/autofill/" + l2 +
           "\r\n/autofill/" + l4 + "\r\n";
}

QByteArray emptyFieldLines(int count) {
    return QByteArray("\r\n").repeated(count);
}

} // namespace

class ClaimFileTest : public QObject {
    Q_OBJECT

private slots:
    void emptyClaimIsTheGoldenEmptyFile() {
        const QByteArray bytes = *encodeClaimFile(ClaimValues());
        QCOMPARE(bytes, fixture("claim-empty.ub4"));
        QCOMPARE(splitClaimLines(Windows1252::decode(bytes)).size(), kClaimFileLineCount);
        QVERIFY(parse(bytes).isEmpty());
    }

    void sampleClaimIsTheGoldenFile() {
        ClaimValues claim = sampleClaim();
        claim.setValue(u"edit42b", QStringLiteral("off-form text"));
        QCOMPARE(*encodeClaimFile(claim), fixture("claim-sample.ub4"));

        // Reading gives every value back byte for byte, blanks included; the off-form field
        // comes back empty because its line is always written empty.
        QCOMPARE(parse(fixture("claim-sample.ub4")), sampleClaim());
    }

    void providerLineStandsOnlyAfterTheMarker() {
        ClaimValues claim;
        claim.setValue(u"edit1a", QStringLiteral("Provider"));
        const QStringList lines = splitClaimLines(buildClaimLines(claim));
        QCOMPARE(lines.indexOf(QStringLiteral("/autofill/Provider")), 506);
        QCOMPARE(lines.filter(QStringLiteral("Provider")).size(), 1);
    }

    void everyByteValueSurvivesLoadAndSave() {
        QByteArray allBytes;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n')
                allBytes.append(static_cast<char>(b));
        QByteArray file = fixture("claim-sample.ub4");
        file.replace("123456789", allBytes); // edit2c, line 2
        file.replace("/autofill/(555) 555-0100", "/autofill/" + allBytes);

        const ClaimValues loaded = parse(file);
        QCOMPARE(loaded.value(u"edit2c").size(), allBytes.size());
        QCOMPARE(*encodeClaimFile(loaded), file);
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<bool>("lastLineEnded");
        QTest::newRow("CR LF") << QByteArray("\r\n") << true;
        QTest::newRow("LF") << QByteArray("\n") << true;
        QTest::newRow("CR") << QByteArray("\r") << true;
        QTest::newRow("LF, last line not ended") << QByteArray("\n") << false;
    }
    void lineEnds() {
        QFETCH(QByteArray, lineEnd);
        QFETCH(bool, lastLineEnded);
        QByteArray file = fixture("claim-sample.ub4");
        file.replace("\r\n", lineEnd);
        if (!lastLineEnded)
            file.chop(lineEnd.size());
        QCOMPARE(parse(file), sampleClaim());
    }

    void providerLines_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("providers"); // edit1a, edit3a, edit2a, edit4a

        const QByteArray fields = emptyFieldLines(kFieldLineCount + 1);
        QTest::newRow("normal") << fields + providerBlock("A", "C", "B", "D")
                                << QStringList{u"A"_qs, u"C"_qs, u"B"_qs, u"D"_qs};
        QTest::newRow("capital marker is not a marker")
            << fields + QByteArray("/AUTOFILL/A\r\n/AUTOFILL/C\r\n/AUTOFILL/B\r\n/AUTOFILL/D\r\n")
            << QStringList{QString(), QString(), QString(), QString()};
        QTest::newRow("after a recognised marker, capitals are removed too")
            << fields +
                   QByteArray(
                       "/autofill/A\r\n/AutoFill/C\r\nB/AUTOFILL/\r\nx/autofill/y/autofill/\r\n")
            << QStringList{u"A"_qs, u"C"_qs, u"B"_qs, u"xy"_qs};
        QTest::newRow("marker more than 20 lines before the end")
            << fields + providerBlock("A", "C", "B", "D") + emptyFieldLines(20)
            << QStringList{QString(), QString(), QString(), QString()};
        QTest::newRow("last 20 lines start inside the block")
            << fields + providerBlock("A", "C", "B", "D") + emptyFieldLines(17)
            << QStringList{u"C"_qs, u"B"_qs, u"D"_qs, QString()};
        QTest::newRow("marker exactly 20 lines before the end")
            << fields + providerBlock("A", "C", "B", "D") + emptyFieldLines(16)
            << QStringList{u"A"_qs, u"C"_qs, u"B"_qs, u"D"_qs};
        QTest::newRow("block cut short") << fields + QByteArray("/autofill/A\r\n/autofill/C")
                                         << QStringList{u"A"_qs, u"C"_qs, QString(), QString()};
        QTest::newRow("marker in a short file")
            << QByteArray("x\r\n/autofill/A\r\n")
            << QStringList{u"A"_qs, QString(), QString(), QString()};
        QTest::newRow("blanks around the marker are kept")
            << fields + providerBlock(" A ", "", "", "\tD")
            << QStringList{u" A "_qs, QString(), QString(), u"\tD"_qs};
    }
    void providerLines() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, providers);
        const ClaimValues v = parse(file);
        QStringList got;
        for (const int i : kProviderFieldIndices)
            got << v[i];
        QCOMPARE(got, providers);
    }

    void shortAndOddFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("edit8a");
        QTest::addColumn<QString>("edit54g");
        QTest::newRow("empty file") << QByteArray() << QString() << QString();
        QTest::newRow("only CRs") << QByteArray(600, '\r') << QString() << QString();
        QTest::newRow("one line") << QByteArray("01151960") << u"01151960"_qs << QString();
        QTest::newRow("NUL bytes kept")
            << QByteArray("a\0b\r\n", 5) << QString::fromLatin1("a\0b", 3) << QString();
        QTest::newRow("extra lines before the marker block are ignored")
            << QByteArray("first\r\n") + emptyFieldLines(503) + "last\r\n" +
                   QByteArray("extra\r\nextra\r\n") + providerBlock("", "", "", "")
            << u"first"_qs << u"last"_qs;
    }
    void shortAndOddFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QString, edit8a);
        QFETCH(QString, edit54g);
        const ClaimValues v = parse(file);
        QCOMPARE(v.value(u"edit8a"), edit8a);
        QCOMPARE(v.value(u"edit54g"), edit54g);
    }

    void markerLinesAreNeverFieldLines() {
        // A short file: 502 field lines, then the provider block.
        const QByteArray file = emptyFieldLines(502) + providerBlock("A", "C", "B", "D");
        const ClaimValues v = parse(file);
        for (int i = 0; i < kFieldCount; ++i)
            if (std::find(kProviderFieldIndices.begin(), kProviderFieldIndices.end(), i) ==
                kProviderFieldIndices.end())
                QVERIFY2(v[i].isEmpty(), FieldCatalogue::entry(i).name);
        // Saving it twice keeps the provider lines where they belong.
        const ClaimValues twice = parse(*encodeClaimFile(parse(*encodeClaimFile(v))));
        QCOMPARE(twice, v);
        QCOMPARE(v.value(u"edit1a"), u"A"_qs);
        QCOMPARE(v.value(u"edit4a"), u"D"_qs);
    }

    void markersInsideValuesReadBackExactly() {
        // Every field stored on the last 20 lines, and the provider lines, holding the marker
        // in every way a clerk could type it.
        const QStringList texts{u"/autofill/"_qs, u"/autofill/x"_qs, u"x/autofill/"_qs,
                                u"/AUTOFILL/"_qs, u"a/autofill/b/AutoFill/c"_qs};
        ClaimValues claim;
        int k = 0;
        for (int line = 490; line <= kFieldLineCount; ++line) {
            const int index = line + 3; // line n holds catalogue index n + 3
            if (!FieldCatalogue::isOffForm(index))
                claim[index] = texts[k++ % texts.size()];
        }
        for (const int i : kProviderFieldIndices)
            claim[i] = texts[k++ % texts.size()];
        QCOMPARE(parse(*encodeClaimFile(claim)), claim);
    }

    void lineBreaksInsideValuesAreNeverWritten() {
        ClaimValues claim;
        claim.setValue(u"edit13a", QStringLiteral("AB\r\nCD\nEF\rGH"));
        claim.setValue(u"edit1a", QStringLiteral("one\ntwo"));
        const QStringList lines = splitClaimLines(buildClaimLines(claim));
        QCOMPARE(lines.size(), kClaimFileLineCount);
        const ClaimValues back = claimValuesFromLines(lines);
        QCOMPARE(back.value(u"edit13a"), u"AB CD EF GH"_qs);
        QCOMPARE(back.value(u"edit1a"), u"one two"_qs);
    }

    void asSingleLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("position");
        QTest::addColumn<QString>("line");
        QTest::addColumn<qsizetype>("movedTo");
        QTest::newRow("no break, same text")
            << u"AB CD"_qs << qsizetype(2) << u"AB CD"_qs << qsizetype(2);
        QTest::newRow("CR LF is one blank, caret after it")
            << u"AB\r\nCD"_qs << qsizetype(6) << u"AB CD"_qs << qsizetype(5);
        QTest::newRow("caret inside CR LF")
            << u"AB\r\nCD"_qs << qsizetype(3) << u"AB CD"_qs << qsizetype(3);
        QTest::newRow("every kind of break")
            << u"a\rb\nc\u2028d\u2029e\n\r"_qs << qsizetype(0) << u"a b c d e  "_qs << qsizetype(0);
    }
    void asSingleLine() {
        QFETCH(QString, text);
        QFETCH(qsizetype, position);
        QFETCH(QString, line);
        QFETCH(qsizetype, movedTo);
        QCOMPARE(cw::model::asSingleLine(text, &position), line);
        QCOMPARE(position, movedTo);
    }

    void binaryFileLoadsWithoutHarm() {
        QByteArray noise;
        quint32 seed = 12345;
        for (int i = 0; i < 70000; ++i) {
            seed = seed * 1103515245u + 12345u;
            noise.append(static_cast<char>(seed >> 24));
        }
        const ClaimValues v = parse(noise);
        // Whatever it holds, it can be stored again exactly as it was read.
        QVERIFY(encodeClaimFile(v).ok());
    }

    void fileRoundTripOnDisk() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Doe, Jane.ub4"));
        QVERIFY(writeClaimFile(path, sampleClaim()).ok());
        const auto back = readClaimFile(path);
        QVERIFY(back.ok());
        QCOMPARE(*back, sampleClaim());
        QVERIFY(dir.isValid());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left behind
    }

    void unencodableCharacterIsRefusedAndNothingWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("claim.ub4"));
        QVERIFY(writeClaimFile(path, sampleClaim()).ok());

        ClaimValues claim = sampleClaim();
        claim.setValue(u"edit6a", QStringLiteral("Doe, Jane \u2603"));
        const auto written = writeClaimFile(path, claim);
        QVERIFY(!written.ok());
        QVERIFY2(written.error().contains(QLatin1StringView("edit6a")),
                 qPrintable(written.error()));
        QVERIFY(written.error().contains(QStringLiteral("U+2603")));
        QCOMPARE(*readClaimFile(path), sampleClaim());

        // An off-form field is never stored, so what it holds cannot stop a save.
        claim = sampleClaim();
        claim.setValue(u"edit42b", QStringLiteral("\u2603"));
        QVERIFY(encodeClaimFile(claim).ok());
    }

    void unreadableFiles_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << u"missing.ub4"_qs << u"No such file"_qs;
        QTest::newRow("a folder") << u"folder.ub4"_qs << u"folder"_qs;
        QTest::newRow("too large") << u"big.ub4"_qs << u"larger"_qs;
    }
    void unreadableFiles() {
        QFETCH(QString, relative);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder.ub4"));
        QFile big(dir.filePath(QStringLiteral("big.ub4")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(20 * 1024 * 1024));
        big.close();

        const QString path = dir.filePath(relative);
        const auto result = readClaimFile(path);
        QVERIFY(!result.ok());
        QVERIFY2(result.error().contains(path), qPrintable(result.error()));
        QVERIFY2(result.error().contains(reason, Qt::CaseInsensitive), qPrintable(result.error()));
    }
};

CW_REGISTER_TEST(ClaimFileTest)
#include "ClaimFileTest.moc"
