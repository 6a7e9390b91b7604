// Undo and redo over the claim document: steps, typing bursts, the changes a keystroke causes,
// and the modified flag against the saved claim.

#include "model/ClaimHistory.h"

#include "TestRegistry.h"

#include <QTest>

using namespace cw::model;

namespace {

constexpr int kField = 10;
constexpr int kOther = 11;
// Every change of kField is copied here by the program, as AutoFill copies down a column.
constexpr int kCopy = 12;

// A document whose kField changes cause a copy, and its history.
struct Claim {
    Claim() {
        QObject::connect(&document, &ClaimDocument::valueChanged,
                         [this](int index, const QString& text, ValueSource source) {
                             if (index == kField && source != ValueSource::History)
                                 document.setValue(kCopy, text, ValueSource::Program);
                         });
    }
    // One keystroke: the field's whole new text, as the field's editor sends it.
    void type(int index, const QString& text) {
        document.setValue(index, text, ValueSource::Typing);
    }
    void typeKeys(int index, const QString& keys) {
        for (const QChar key : keys)
            type(index, document.value(index) + key);
    }
    QString values() const {
        return document.value(kField) + u'|' + document.value(kOther) + u'|' +
               document.value(kCopy);
    }

    ClaimDocument document;
    ClaimHistory history{document};
};

} // namespace

class ClaimHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void aBurstAndWhatItCausedAreOneStep() {
        Claim c;
        c.typeKeys(kField, QStringLiteral("0250"));
        c.typeKeys(kOther, QStringLiteral("ab"));
        QCOMPARE(c.values(), QStringLiteral("0250|ab|0250"));

        QCOMPARE(c.history.undo(), std::optional(kOther));
        QCOMPARE(c.values(), QStringLiteral("0250||0250"));
        QCOMPARE(c.history.undo(), std::optional(kField));
        QCOMPARE(c.values(), QStringLiteral("||"));
        QVERIFY(!c.history.canUndo());
        QCOMPARE(c.history.undo(), std::nullopt);

        QCOMPARE(c.history.redo(), std::optional(kField));
        QCOMPARE(c.values(), QStringLiteral("0250||0250"));
        QCOMPARE(c.history.redo(), std::optional(kOther));
        QCOMPARE(c.values(), QStringLiteral("0250|ab|0250"));
        QVERIFY(!c.history.canRedo());
    }

    void burstsEnd_data() {
        QTest::addColumn<int>("howItEnds");
        QTest::newRow("field left") << 0;
        QTest::newRow("undo and redo") << 1;
        QTest::newRow("claim saved") << 2;
    }
    void burstsEnd() {
        QFETCH(int, howItEnds);
        Claim c;
        c.typeKeys(kField, QStringLiteral("12"));
        if (howItEnds == 0) {
            c.history.endTypingBurst();
        } else if (howItEnds == 1) {
            c.history.undo();
            c.history.redo();
        } else {
            c.document.clearModified();
        }
        c.typeKeys(kField, QStringLiteral("34"));
        c.history.undo();
        QCOMPARE(c.values(), QStringLiteral("12||12"));
    }

    void theProgramsOwnChangeIsAStep() {
        Claim c;
        c.typeKeys(kOther, QStringLiteral("a"));
        // Another program sets the field while the user is typing in another one.
        c.document.setValue(kField, QStringLiteral("X"), ValueSource::Program);
        c.typeKeys(kOther, QStringLiteral("b"));
        QCOMPARE(c.history.undo(), std::optional(kOther));
        QCOMPARE(c.values(), QStringLiteral("X|a|X"));
        QCOMPARE(c.history.undo(), std::nullopt);
        QCOMPARE(c.values(), QStringLiteral("|a|"));
    }

    void typingBackToTheStartLeavesNothingToUndo() {
        Claim c;
        c.typeKeys(kOther, QStringLiteral("a"));
        c.history.endTypingBurst();
        c.typeKeys(kField, QStringLiteral("9"));
        c.type(kField, QString());
        QVERIFY(c.history.canUndo());
        // The first undo undoes the burst before, not the burst that changed nothing.
        c.history.undo();
        QCOMPARE(c.values(), QStringLiteral("||"));
        QVERIFY(!c.history.canUndo());
    }

    void typingAfterUndoDropsTheRedo() {
        Claim c;
        c.typeKeys(kField, QStringLiteral("1"));
        c.history.undo();
        c.typeKeys(kOther, QStringLiteral("2"));
        QVERIFY(!c.history.canRedo());
        QCOMPARE(c.history.redo(), std::nullopt);
        QCOMPARE(c.values(), QStringLiteral("|2|"));
    }

    void modifiedFollowsTheSavedClaim() {
        Claim c;
        c.typeKeys(kField, QStringLiteral("1"));
        c.document.clearModified(); // saved
        c.typeKeys(kField, QStringLiteral("2"));
        QVERIFY(c.document.status().modified);

        c.history.undo();
        QVERIFY(!c.document.status().modified);
        c.history.undo();
        QVERIFY(c.document.status().modified);
        c.history.redo();
        QVERIFY(!c.document.status().modified);
        c.history.redo();
        QVERIFY(c.document.status().modified);

        // Once the saved claim cannot be reached again, the claim stays modified.
        c.history.undo();
        c.history.undo();
        c.typeKeys(kOther, QStringLiteral("x"));
        c.history.undo();
        QCOMPARE(c.values(), QStringLiteral("||"));
        QVERIFY(c.document.status().modified);
    }

    void movingAwayFromTheSavedClaimKeepsThePatientTyped() {
        Claim c;
        const int patient = FieldCatalogue::indexOf(u"edit6a");
        c.type(patient, QStringLiteral("Doe"));
        c.document.clearModified(); // saved
        c.type(patient, QStringLiteral("Roe"));
        c.document.recordTypedCharacter(patient); // as the field's key handler does
        QVERIFY(c.document.status().patientOrLinesTyped);
        c.history.undo();
        QVERIFY(!c.document.status().patientOrLinesTyped);
        // Save would otherwise write another patient's claim over the saved file.
        c.history.redo();
        QVERIFY(c.document.status().patientOrLinesTyped);
        c.history.undo();
        c.history.undo();
        QVERIFY(c.document.status().patientOrLinesTyped);
    }

    void loadingIsNotRecordedAndClearEmptiesTheHistory() {
        Claim c;
        c.typeKeys(kField, QStringLiteral("1"));
        c.history.undo();
        ClaimValues loaded;
        loaded[kOther] = QStringLiteral("L");
        c.document.setValues(loaded, ValueSource::Loading);
        c.history.clear();
        QVERIFY(!c.history.canUndo());
        QVERIFY(!c.history.canRedo());
        QCOMPARE(c.history.undo(), std::nullopt);
        QCOMPARE(c.values(), QStringLiteral("|L|"));
        QVERIFY(!c.document.status().modified);
    }
};

CW_REGISTER_TEST(ClaimHistoryTest)
#include "ClaimHistoryTest.moc"
