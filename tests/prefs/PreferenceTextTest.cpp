#include "prefs/PreferenceText.h"

#include "Fixtures.h"
#include "TestRegistry.h"
#include "model/Windows1252.h"

#include <QFile>
#include <QTest>

using namespace cw::prefs;

using cw::test::fixture;

namespace {

Preferences defaults() {
    Preferences p;
    p.resetToDefaults();
    return p;
}

Preferences parsedFromDefaults(const QString& text) {
    Preferences p = defaults();
    parsePreferenceLines(splitPreferenceLines(text), p);
    return p;
}

// The default text with the value line of one key replaced.
QString defaultTextWith(Pref slot, const QString& value) {
    Preferences p = defaults();
    p[slot] = value;
    return buildPreferenceText(p);
}

} // namespace

Q_DECLARE_METATYPE(cw::prefs::Pref)

class PreferenceTextTest : public QObject {
    Q_OBJECT

private slots:
    void defaultArrayGivesTheGoldenText() {
        const QString text = buildPreferenceText(defaults());
        QCOMPARE(cw::model::Windows1252::encode(text), fixture("preferences-default.cfg"));
        QCOMPARE(splitPreferenceLines(text).size(), 2 * kPreferenceCount);
    }

    void everySlotSurvivesASaveAndALoad() {
        Preferences saved = defaults();
        saved[Pref::PrintAlignment7] = QStringLiteral("-3");
        saved[Pref::PrintMode] = QStringLiteral("linesandboxes");
        saved[Pref::Reserved12] = QStringLiteral("kept as it is");
        saved[Pref::UserDataPath] = QStringLiteral("/home/clerk/Claims [2009]/");
        saved[Pref::FirstTimeUser] = QStringLiteral("FALSE");
        saved[Pref::TemplateAddressOne1] = QStringLiteral("JohnSmith Medical Billing ");
        saved[Pref::TemplateAddressTwo7] = QStringLiteral("Café Müller € ‰");
        Preferences loaded;
        parsePreferenceLines(splitPreferenceLines(buildPreferenceText(saved)), loaded);
        QCOMPARE(loaded, saved);
    }

    void valueCannotForgeKeyLines() {
        // The template's text holds the tax number's marker, once on a line of its own.
        Preferences saved = defaults();
        saved[Pref::TemplateAddressOne1] = QStringLiteral("Name\r\n[TEMPLATE_TAXID_1]\nforged");
        saved[Pref::TemplateTaxId1] = QStringLiteral("555-55-5555");
        const QString text = buildPreferenceText(saved);
        QCOMPARE(splitPreferenceLines(text).size(), 2 * kPreferenceCount);
        const Preferences loaded = parsedFromDefaults(text);
        QCOMPARE(loaded[Pref::TemplateTaxId1], u"555-55-5555"_qs);
        QCOMPARE(loaded[Pref::TemplateAddressOne1], u"Name [TEMPLATE_TAXID_1] forged"_qs);
    }

    void storedTextIsCheckedSlotBySlot_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Pref>("slot");
        QTest::addColumn<QString>("expected");
        const QString nul(QChar(0));
        QTest::newRow("key missing") << defaultTextWith(Pref::PrintAlignment7, u"3"_qs)
                                            .remove(u"[PRINTALIGNMENT7]\r\n3\r\n"_qs)
                                     << Pref::PrintAlignment7 << u"18"_qs;
        QTest::newRow("key twice: first wins")
            << u"[PRINTFONTSIZE]\r\n10\r\n[PRINTFONTSIZE]\r\n12\r\n"_qs << Pref::PrintFontSize
            << u"10"_qs;
        QTest::newRow("blanks around the marker")
            << u"  [PRINTFONTSIZE] \t\r\n11\r\n"_qs << Pref::PrintFontSize << u"11"_qs;
        QTest::newRow("key in lower case is no key")
            << u"[printfontsize]\r\n11\r\n"_qs << Pref::PrintFontSize << u"8"_qs;
        QTest::newRow("value line missing")
            << u"[PRINTFONTSIZE]\r\n[PRINTFONTBOLD_TRUE_OR_FALSE]\r\ntrue\r\n"_qs
            << Pref::PrintFontBold << u"true"_qs;
        QTest::newRow("last line, slot takes any text")
            << u"[TEMPLATE_TAXID_1]\r\n"_qs << Pref::TemplateTaxId1 << QString();
        QTest::newRow("last line, integer slot")
            << u"[PRINTFONTSIZE]"_qs << Pref::PrintFontSize << u"8"_qs;
        QTest::newRow("not an integer")
            << defaultTextWith(Pref::PrintFontSize, u"abc"_qs) << Pref::PrintFontSize << u"8"_qs;
        QTest::newRow("integer") << defaultTextWith(Pref::PrintAlignment1, u"-4"_qs)
                                 << Pref::PrintAlignment1 << u"-4"_qs;
        QTest::newRow("integer past 32 bits")
            << defaultTextWith(Pref::PrintAlignment1, u"99999999999"_qs) << Pref::PrintAlignment1
            << u"17"_qs;
        QTest::newRow("unknown print mode")
            << defaultTextWith(Pref::PrintMode, u"fancy"_qs) << Pref::PrintMode << u"regular"_qs;
        QTest::newRow("colour in odd case, lower-cased")
            << defaultTextWith(Pref::LinesAndBoxesColour, u"CoLoR"_qs) << Pref::LinesAndBoxesColour
            << u"color"_qs;
        QTest::newRow("TRUE in slot 13 is lower-cased")
            << defaultTextWith(Pref::AutoFillOn, u"TRUE"_qs) << Pref::AutoFillOn << u"true"_qs;
        QTest::newRow("TRUE in slot 22 keeps its case")
            << defaultTextWith(Pref::FirstTimeUser, u"TRUE"_qs) << Pref::FirstTimeUser
            << u"TRUE"_qs;
        QTest::newRow("flag that is no flag") << defaultTextWith(Pref::AutoAdditionOn, u"yes"_qs)
                                              << Pref::AutoAdditionOn << u"true"_qs;
        QTest::newRow("Blank is not the default")
            << defaultTextWith(Pref::UserDataPath, u"Blank"_qs) << Pref::UserDataPath
            << u"Blank"_qs;
        QTest::newRow("NUL in a flag") << defaultTextWith(Pref::SeenPrinting, u"true"_qs + nul)
                                       << Pref::SeenPrinting << u"false"_qs;
        QTest::newRow("NUL in a template is kept")
            << defaultTextWith(Pref::TemplateAddressOne2, u"a"_qs + nul + u"b"_qs)
            << Pref::TemplateAddressOne2 << u"a"_qs + nul + u"b"_qs;
        QTest::newRow("binary junk before the keys")
            << cw::model::Windows1252::decode("\x01\xff\x00\x9d\x81[\r\r\n\n") +
                   defaultTextWith(Pref::PrintFontSize, u"9"_qs)
            << Pref::PrintFontSize << u"9"_qs;
        QTest::newRow("lone CR and LF line ends")
            << u"[PRINTFONTSIZE]\r9\n[PRINTFONTBOLD_TRUE_OR_FALSE]\ntrue\r"_qs
            << Pref::PrintFontBold << u"true"_qs;
        QTest::newRow("key past line 501")
            << QStringLiteral("x\r\n").repeated(501) + u"[PRINTFONTSIZE]\r\n12\r\n"_qs
            << Pref::PrintFontSize << u"8"_qs;
        QTest::newRow("key on line 501, value cut off")
            << QStringLiteral("x\r\n").repeated(500) + u"[TEMPLATE_TAXID_1]\r\n12\r\n"_qs
            << Pref::TemplateTaxId1 << QString();
    }
    void storedTextIsCheckedSlotBySlot() {
        QFETCH(QString, text);
        QFETCH(Pref, slot);
        QFETCH(QString, expected);
        Preferences p = defaults();
        p[Pref::TemplateTaxId1] = QStringLiteral("unchanged");
        parsePreferenceLines(splitPreferenceLines(text), p);
        QCOMPARE(p[slot], expected);
    }
};

CW_REGISTER_TEST(PreferenceTextTest)
#include "PreferenceTextTest.moc"
