#include "recovery/RecoveryFile.h"

#include "Fixtures.h"
#include "TestRegistry.h"
#include "model/ClaimFile.h"

#include <QTest>

using cw::recovery::recoveryFileBytes;
using cw::recovery::UnsavedClaim;
using cw::recovery::unsavedClaimFromBytes;

namespace {

UnsavedClaim fullClaim() {
    UnsavedClaim claim;
    claim.values = cw::model::claimValuesFromLines(
        cw::model::splitClaimLines(QString::fromLatin1(cw::test::fixture("claim-full.ub4"))));
    claim.status.state = cw::model::DocumentState::Open;
    claim.status.currentFileName = u"/claims/Doe, Jane.ub4"_qs;
    claim.status.patientOrLinesTyped = true;
    claim.title = u"Doe, Jane.ub4 - UB-04/CMS 1450 Claimwright NPI"_qs;
    return claim;
}

} // namespace

class RecoveryFileTest : public QObject {
    Q_OBJECT

private slots:
    // Everything the window needs to show the claim again comes back exactly, also what no
    // claim file could store and names that would break a line-based header.
    void claimComesBackExactly_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("patient");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("samePatient");
        QTest::addColumn<bool>("fileKnown");
        QTest::newRow("opened claim")
            << u"/claims/Doe, Jane.ub4"_qs << u"Doe - Claimwright"_qs << u"Doe, Jane"_qs
            << int(cw::model::DocumentState::Open) << false << true;
        QTest::newRow("new claim, same patient")
            << QString() << u"UB-04/CMS 1450 Claimwright NPI"_qs << u"Ünal, Ömer"_qs
            << int(cw::model::DocumentState::New) << true << false;
        QTest::newRow("line break and percent in the name")
            << u"/claims/a\nb%20c.ub4"_qs << u"title\r\nwith breaks %"_qs << u"Smith"_qs
            << int(cw::model::DocumentState::SaveAs) << false << false;
        QTest::newRow("not Windows-1252") << u"/claims/Ωmega.ub4"_qs << u"Ωmega"_qs << u"Ωmega 😀"_qs
                                          << int(cw::model::DocumentState::Open) << false << true;
    }
    void claimComesBackExactly() {
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QFETCH(QString, patient);
        QFETCH(int, state);
        QFETCH(bool, samePatient);
        QFETCH(bool, fileKnown);
        UnsavedClaim claim = fullClaim();
        if (fileKnown)
            claim.onDisk = cw::platform::DiskVersion::ofBytes(cw::test::fixture("claim-full.ub4"));
        claim.values.setValue(u"edit6a", patient);
        claim.status.currentFileName = fileName;
        claim.status.state = cw::model::DocumentState(state);
        claim.status.samePatient = samePatient;
        claim.title = title;

        const auto back = unsavedClaimFromBytes(recoveryFileBytes(claim));
        QVERIFY2(back, back ? "" : qPrintable(back.error()));
        QVERIFY(back->values == claim.values);
        QCOMPARE(back->status.currentFileName, fileName);
        QCOMPARE(int(back->status.state), state);
        QCOMPARE(back->status.samePatient, samePatient);
        QCOMPARE(back->status.patientOrLinesTyped, true);
        QVERIFY(back->status.modified);
        QCOMPARE(back->title, title);
        QCOMPARE(back->onDisk, claim.onDisk);
    }

    // What a cut-short or foreign file holds is never taken for a claim.
    void damagedFileIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray whole = recoveryFileBytes(fullClaim());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << whole.left(whole.indexOf("\n\n") + 2);
        QTest::newRow("last line cut") << whole.chopped(1);
        QTest::newRow("half the lines") << whole.left(whole.size() / 2);
        QTest::newRow("a claim file") << cw::test::fixture("claim-full.ub4");
        QTest::newRow("unknown state") << QByteArray(whole).replace("state open", "state shut");
        QTest::newRow("bad file version") << QByteArray(whole).replace("disk -", "disk 12 abc");
        QTest::newRow("bad flags") << QByteArray(whole).replace("typed 10", "typed 1x");
        QTest::newRow("not UTF-8") << QByteArray(whole).replace("ABCDEFGHIJK", "\xff\xfe");
    }
    void damagedFileIsRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!unsavedClaimFromBytes(bytes));
    }
};

CW_REGISTER_TEST(RecoveryFileTest)

#include "RecoveryFileTest.moc"
