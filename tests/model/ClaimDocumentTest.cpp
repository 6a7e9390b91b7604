#include "model/ClaimDocument.h"

#include "TestRegistry.h"

#include <QSignalSpy>
#include <QTest>

using namespace cw::model;

Q_DECLARE_METATYPE(ValueSource)

class ClaimDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTypingMarksTheClaimModified_data() {
        QTest::addColumn<ValueSource>("source");
        QTest::addColumn<bool>("modified");
        QTest::newRow("typing") << ValueSource::Typing << true;
        QTest::newRow("program") << ValueSource::Program << false;
        QTest::newRow("loading") << ValueSource::Loading << false;
    }
    void onlyTypingMarksTheClaimModified() {
        QFETCH(ValueSource, source);
        QFETCH(bool, modified);
        ClaimDocument document;
        QSignalSpy changes(&document, &ClaimDocument::valueChanged);
        const int index = FieldCatalogue::indexOf(u"edit16f");
        document.setValue(index, QStringLiteral("125"), source);
        QCOMPARE(document.value(index), QStringLiteral("125"));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].toInt(), index);
        QCOMPARE(changes[0][2].value<ValueSource>(), source);
        QCOMPARE(document.status().modified, modified);
        // The patient-or-lines flag comes from typed characters only.
        QVERIFY(!document.status().patientOrLinesTyped);

        // The text it already holds is no change: no signal, no flag.
        document.clearModified();
        document.setValue(index, QStringLiteral("125"), ValueSource::Typing);
        QCOMPARE(changes.size(), 1);
        QVERIFY(!document.status().modified);
    }

    void typedCharactersSetTheTypingFlags_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("patientOrLines");
        QTest::newRow("patient name") << u"edit6a"_qs << true;
        QTest::newRow("service line") << u"edit20c"_qs << true;
        QTest::newRow("totals line") << u"edit38k"_qs << true;
        QTest::newRow("provider") << u"edit1a"_qs << false;
    }
    void typedCharactersSetTheTypingFlags() {
        QFETCH(QString, field);
        QFETCH(bool, patientOrLines);
        ClaimDocument document;
        QSignalSpy status(&document, &ClaimDocument::statusChanged);
        document.recordTypedCharacter(FieldCatalogue::indexOf(field));
        QVERIFY(document.status().modified);
        QCOMPARE(document.status().patientOrLinesTyped, patientOrLines);
        QCOMPARE(status.size(), 1);

        // A later character elsewhere never clears the patient flag; clearing clears both.
        document.recordTypedCharacter(FieldCatalogue::indexOf(u"edit1a"));
        QCOMPARE(document.status().patientOrLinesTyped, patientOrLines);
        document.clearModified();
        QVERIFY(!document.status().modified && !document.status().patientOrLinesTyped);
        document.markModified();
        QVERIFY(document.status().modified && !document.status().patientOrLinesTyped);
    }

    void statusChangesAreSignalledOnce() {
        ClaimDocument document;
        QSignalSpy status(&document, &ClaimDocument::statusChanged);
        document.setState(DocumentState::Open);
        document.setState(DocumentState::Open);
        document.setCurrentFileName(QStringLiteral("/claims/Doe.ub4"));
        document.setSamePatient(true);
        document.clearModified(); // already clear
        QCOMPARE(status.size(), 3);
        QCOMPARE(document.status().state, DocumentState::Open);
        QCOMPARE(document.status().currentFileName, QStringLiteral("/claims/Doe.ub4"));
        QVERIFY(document.status().samePatient);
    }
};

CW_REGISTER_TEST(ClaimDocumentTest)
#include "ClaimDocumentTest.moc"
