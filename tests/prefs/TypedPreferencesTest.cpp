#include "prefs/TypedPreferences.h"

#include "TestRegistry.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <limits>

using namespace cw::prefs;

namespace {

Preferences defaults() {
    Preferences p;
    p.resetToDefaults();
    return p;
}

using Write = std::function<void(TypedPreferences&)>;

} // namespace

Q_DECLARE_METATYPE(cw::prefs::Pref)
Q_DECLARE_METATYPE(cw::prefs::FlagState)
Q_DECLARE_METATYPE(cw::prefs::PrintMode)
Q_DECLARE_METATYPE(cw::prefs::PictureColour)
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(Write)

class TypedPreferencesTest : public QObject {
    Q_OBJECT

private slots:
    void flagIsOnOnlyForTrue_data() {
        QTest::addColumn<Pref>("slot");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<FlagState>("state");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("true") << Pref::AutoFillOn << u"true"_qs << FlagState::True << true;
        QTest::newRow("TRUE") << Pref::FirstTimeUser << u"TRUE"_qs << FlagState::True << true;
        QTest::newRow("False") << Pref::SeenPrinting << u"False"_qs << FlagState::False << true;
        QTest::newRow("yes") << Pref::AutoAdditionOn << u"yes"_qs << FlagState::Unknown << false;
        QTest::newRow("empty") << Pref::PrintFontBold << QString() << FlagState::Unknown << false;
        QTest::newRow("blank after the word")
            << Pref::AutoFillOn << u"true "_qs << FlagState::Unknown << false;
    }
    void flagIsOnOnlyForTrue() {
        QFETCH(Pref, slot);
        QFETCH(QString, stored);
        QFETCH(FlagState, state);
        QFETCH(bool, accepted);
        Preferences p = defaults();
        p[slot] = stored;
        const TypedPreferences view(p);
        QCOMPARE(view.flagState(slot), state);
        QCOMPARE(view.flag(slot), state == FlagState::True);
        QCOMPARE(TypedPreferences::accepts(slot, stored), accepted);
    }

    // The load keeps any integer, so that it keeps what was stored; the reader takes only
    // those inside the slot's range.
    void numberIsReadInsideItsRange_data() {
        QTest::addColumn<Pref>("slot");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<std::optional<int>>("number");
        QTest::addColumn<int>("orDefault");
        QTest::addColumn<bool>("accepted");
        const std::optional<int> none;
        const int lowest = std::numeric_limits<int>::min();
        QTest::newRow("negative alignment")
            << Pref::PrintAlignment1 << u"-4"_qs << std::optional(-4) << -4 << true;
        QTest::newRow("blanks around")
            << Pref::PrintAlignment2 << u" 12\t"_qs << std::optional(12) << 12 << true;
        QTest::newRow("lowest integer") << Pref::PrintAlignment3 << u"-2147483648"_qs
                                        << std::optional(lowest) << lowest << true;
        QTest::newRow("decimal") << Pref::PrintAlignment4 << u"15.5"_qs << none << 15 << false;
        QTest::newRow("empty") << Pref::PrintAlignment7 << QString() << none << 18 << false;
        QTest::newRow("past 32 bits")
            << Pref::PrintAlignment5 << u"99999999999"_qs << none << 14 << false;
        QTest::newRow("font size")
            << Pref::PrintFontSize << u"10"_qs << std::optional(10) << 10 << true;
        QTest::newRow("font size 0, kept by the load")
            << Pref::PrintFontSize << u"0"_qs << none << 8 << true;
        QTest::newRow("negative font size") << Pref::PrintFontSize << u"-4"_qs << none << 8 << true;
        QTest::newRow("font size word") << Pref::PrintFontSize << u"big"_qs << none << 8 << false;
    }
    void numberIsReadInsideItsRange() {
        QFETCH(Pref, slot);
        QFETCH(QString, stored);
        QFETCH(std::optional<int>, number);
        QFETCH(int, orDefault);
        QFETCH(bool, accepted);
        Preferences p = defaults();
        p[slot] = stored;
        const TypedPreferences view(p);
        QCOMPARE(view.number(slot), number);
        QCOMPARE(view.numberOrDefault(slot), orDefault);
        QCOMPARE(TypedPreferences::accepts(slot, stored), accepted);
    }

    void printModeReadsItsWordsInAnyCase_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<PrintMode>("mode");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("regular") << u"regular"_qs << PrintMode::Regular << true;
        QTest::newRow("LinesAndBoxes") << u"LinesAndBoxes"_qs << PrintMode::LinesAndBoxes << true;
        QTest::newRow("Fancy") << u"Fancy"_qs << PrintMode::Unknown << false;
        QTest::newRow("empty") << QString() << PrintMode::Unknown << false;
    }
    void printModeReadsItsWordsInAnyCase() {
        QFETCH(QString, stored);
        QFETCH(PrintMode, mode);
        QFETCH(bool, accepted);
        Preferences p = defaults();
        p[Pref::PrintMode] = stored;
        QCOMPARE(TypedPreferences(p).printMode(Pref::PrintMode), mode);
        QCOMPARE(TypedPreferences::accepts(Pref::PrintMode, stored), accepted);
    }

    void pictureColourReadsItsWordsInAnyCase_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<PictureColour>("colour");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("black") << u"black"_qs << PictureColour::Black << true;
        QTest::newRow("COLOR") << u"COLOR"_qs << PictureColour::Colour << true;
        QTest::newRow("colour is no word of the slot")
            << u"colour"_qs << PictureColour::Unknown << false;
    }
    void pictureColourReadsItsWordsInAnyCase() {
        QFETCH(QString, stored);
        QFETCH(PictureColour, colour);
        QFETCH(bool, accepted);
        Preferences p = defaults();
        p[Pref::LinesAndBoxesColour] = stored;
        QCOMPARE(TypedPreferences(p).pictureColour(Pref::LinesAndBoxesColour), colour);
        QCOMPARE(TypedPreferences::accepts(Pref::LinesAndBoxesColour, stored), accepted);
    }

    void textSlotsTakeAnyText() {
        const QString text = u"Caf\u00e9 [TEMPLATE_TAXID_1]\r\n"_qs + QChar(0);
        Preferences p = defaults();
        p[Pref::TemplateTaxId1] = text;
        QCOMPARE(TypedPreferences(p).text(Pref::TemplateTaxId1), text);
        QVERIFY(TypedPreferences::accepts(Pref::TemplateTaxId1, text));
    }

    // Each write stores exactly its slot's text, leaves every other slot alone and says so once,
    // also when the text does not change.
    void writeStoresItsTextAndSignals_data() {
        QTest::addColumn<Write>("write");
        QTest::addColumn<Pref>("slot");
        QTest::addColumn<QString>("stored");
        QTest::newRow("flag on") << Write([](TypedPreferences& v) {
            v.setFlag(Pref::AutoFillOn, true);
        }) << Pref::AutoFillOn << u"true"_qs;
        QTest::newRow("flag off, as it was")
            << Write([](TypedPreferences& v) { v.setFlag(Pref::PrintFontBold, false); })
            << Pref::PrintFontBold << u"false"_qs;
        QTest::newRow("font size")
            << Write([](TypedPreferences& v) { v.setNumber(Pref::PrintFontSize, 12); })
            << Pref::PrintFontSize << u"12"_qs;
        QTest::newRow("negative alignment")
            << Write([](TypedPreferences& v) { v.setNumber(Pref::PrintAlignment7, -3); })
            << Pref::PrintAlignment7 << u"-3"_qs;
        QTest::newRow("text only") << Write([](TypedPreferences& v) {
            v.setPrintMode(Pref::PrintMode, PrintMode::Regular);
        }) << Pref::PrintMode << u"regular"_qs;
        QTest::newRow("text and form") << Write([](TypedPreferences& v) {
            v.setPrintMode(Pref::PrintMode, PrintMode::LinesAndBoxes);
        }) << Pref::PrintMode << u"linesandboxes"_qs;
        QTest::newRow("black") << Write([](TypedPreferences& v) {
            v.setPictureColour(Pref::LinesAndBoxesColour, PictureColour::Black);
        }) << Pref::LinesAndBoxesColour
                               << u"black"_qs;
        QTest::newRow("colour") << Write([](TypedPreferences& v) {
            v.setPictureColour(Pref::LinesAndBoxesColour, PictureColour::Colour);
        }) << Pref::LinesAndBoxesColour
                                << u"color"_qs;
        QTest::newRow("path") << Write([](TypedPreferences& v) {
            v.setText(Pref::UserDataPath, u"/home/clerk/Claims [2009]/"_qs);
        }) << Pref::UserDataPath
                              << u"/home/clerk/Claims [2009]/"_qs;
    }
    void writeStoresItsTextAndSignals() {
        QFETCH(Write, write);
        QFETCH(Pref, slot);
        QFETCH(QString, stored);
        Preferences p = defaults();
        TypedPreferences view(p);
        QSignalSpy changed(&view, &TypedPreferences::changed);
        write(view);
        Preferences expected = defaults();
        expected[slot] = stored;
        QCOMPARE(p, expected);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].value<Pref>(), slot);
    }

    // Texts put straight into the array, as the load and the tests do, are read at once.
    void readsThroughToTheArray() {
        Preferences p = defaults();
        const TypedPreferences view(p);
        QCOMPARE(view.printMode(Pref::PrintMode), PrintMode::Regular);
        p[Pref::PrintMode] = u"Fancy"_qs;
        QCOMPARE(view.printMode(Pref::PrintMode), PrintMode::Unknown);
        p[Pref::PrintMode] = u"LINESANDBOXES"_qs;
        QCOMPARE(view.printMode(Pref::PrintMode), PrintMode::LinesAndBoxes);
    }

    // The key table's defaults are what a reader falls back to: each must read as itself.
    void everyDefaultIsAcceptedAndReadable() {
        Preferences p = defaults();
        const TypedPreferences view(p);
        for (int i = 0; i < kPreferenceCount; ++i) {
            const Pref slot = prefAt(i);
            const PreferenceKey& row = preferenceKey(slot);
            QVERIFY2(TypedPreferences::accepts(slot, row.defaultValue), row.key.data());
            switch (row.kind) {
            case PreferenceKind::Integer:
                QCOMPARE(view.number(slot), std::optional(TypedPreferences::defaultNumber(slot)));
                break;
            case PreferenceKind::Flag:
                QVERIFY2(view.flagState(slot) != FlagState::Unknown, row.key.data());
                break;
            case PreferenceKind::PrintMode:
                QVERIFY(view.printMode(slot) != PrintMode::Unknown);
                break;
            case PreferenceKind::PictureColour:
                QVERIFY(view.pictureColour(slot) != PictureColour::Unknown);
                break;
            case PreferenceKind::AnyText:
                break;
            }
        }
    }

    // A trial puts back exactly what was there, also texts the typed writes would not make.
    void keptTextsComeBackAsTheyWere() {
        Preferences p = defaults();
        p[Pref::PrintAlignment1] = u"0017"_qs;
        p[Pref::PrintAlignment7] = u"60"_qs;
        p[Pref::PrintMode] = u"LinesAndBoxes"_qs;
        TypedPreferences view(p);
        const TypedPreferences::KeptTexts kept =
            view.keepTexts({Pref::PrintAlignment1, Pref::PrintAlignment7, Pref::PrintMode});
        view.setNumber(Pref::PrintAlignment1, 20);
        view.setNumber(Pref::PrintAlignment7, 18);
        view.setPrintMode(Pref::PrintMode, PrintMode::Regular);
        QSignalSpy changed(&view, &TypedPreferences::changed);
        view.restoreTexts(kept);
        QCOMPARE(p[Pref::PrintAlignment1], u"0017"_qs);
        QCOMPARE(p[Pref::PrintAlignment7], u"60"_qs);
        QCOMPARE(p[Pref::PrintMode], u"LinesAndBoxes"_qs);
        QCOMPARE(changed.size(), 3);
    }
};

CW_REGISTER_TEST(TypedPreferencesTest)
#include "TypedPreferencesTest.moc"
