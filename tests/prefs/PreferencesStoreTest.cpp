#include "prefs/PreferencesStore.h"

#include "FileSizeLimit.h"
#include "TempHome.h"
#include "TestRegistry.h"
#include "model/Windows1252.h"
#include "platform/FileAccess.h"
#include "platform/MakerValues.h"
#include "prefs/PreferenceText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

using namespace cw::prefs;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!cw::platform::writeFileAtomically(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
}

// A seed file that sets the font size.
QByteArray seedWithFontSize(const QString& size) {
    Preferences p;
    p.resetToDefaults();
    p[Pref::PrintFontSize] = size;
    return cw::model::Windows1252::encode(buildPreferenceText(p));
}

// A temporary home with every folder of the store inside it, and the reports it made.
class Sandbox {
public:
    Sandbox()
        : folders{home.dataHome() + u"/Quillmark/"_qs, home.file(u"program/"_qs),
                  home.file(u"etc/QuillmarkPrefs/"_qs), home.documents() + u'/',
                  home.file(u"cwd/"_qs)} {
        QDir().mkpath(folders.programFolder);
        QDir().mkpath(folders.legacyFolder);
    }

    PreferencesStore store() {
        return PreferencesStore(
            cw::platform::UserRegistry(), folders,
            PreferencesErrorReporter{[this](const QString& text) { shown.append(text); },
                                     [this](const QString& tag, const QString& message) {
                                         reports.append(tag + u": "_qs + message);
                                     }});
    }

    std::optional<QString> storedText() const {
        const auto text = cw::platform::UserRegistry().readText(kRegistryKey, kRegistryValue);
        return text ? *text : std::nullopt;
    }

    // A folder that cannot be made, whatever the permissions: its parent is a regular file.
    QString unmakeableFolder(const QString& name) {
        writeFile(home.file(name), "not a folder");
        return home.file(name + u"/sub/"_qs);
    }

    // A folder that exists but fails the write test: the test file's name is taken by a
    // folder.
    static void failWriteTest(const QString& folder) { QDir().mkpath(folder + kWriteTestFileName); }

    cw::test::TempHome home;
    PreferencesFolders folders;
    QStringList shown;
    QStringList reports;
};

} // namespace

class PreferencesStoreTest : public QObject {
    Q_OBJECT

private slots:
    void newUserGetsDefaultsAndTheRegistryValue() {
        Sandbox box;
        PreferencesStore store = box.store();
        store.loadPreferencesNew();

        const QString claims = box.home.documents() + u"/UB-04 Claims/"_qs;
        Preferences expected;
        expected.resetToDefaults();
        expected[Pref::UserDataPath] = claims;
        QCOMPARE(store.preferences(), expected);
        QVERIFY(QFileInfo(claims).isDir());
        QCOMPARE(box.storedText(), buildPreferenceText(expected));
        QCOMPARE(splitPreferenceLines(*box.storedText()).size(), 88);
        QCOMPARE(store.preferencesFilePath(), box.folders.userSeedFolder + kSeedFileName);
        QVERIFY(QFileInfo::exists(box.folders.userSeedFolder + kWriteTestFileName));
        QCOMPARE(box.reports, QStringList());
    }

    void laterRunsReadOnlyTheRegistry() {
        Sandbox box;
        {
            PreferencesStore first = box.store();
            first.loadPreferencesNew();
            first.preferences()[Pref::PrintFontSize] = QStringLiteral("12");
            QVERIFY(first.savePreferencesNew());
        }
        writeFile(box.folders.userSeedFolder + kSeedFileName, seedWithFontSize(u"10"_qs));
        PreferencesStore second = box.store();
        second.loadPreferencesNew();
        QCOMPARE(second.preferences()[Pref::PrintFontSize], u"12"_qs);
        QCOMPARE(second.preferencesFilePath(), QString());
    }

    void seedFileServesUntilTheRegistryValueExists() {
        Sandbox box;
        writeFile(box.folders.userSeedFolder + kSeedFileName, seedWithFontSize(u"10"_qs));
        PreferencesStore store = box.store();
        store.loadPreferencesNew();
        QCOMPARE(store.preferences()[Pref::PrintFontSize], u"10"_qs);
        QCOMPARE(store.preferencesFilePath(), box.folders.userSeedFolder + kSeedFileName);
        QCOMPARE(box.storedText(), std::nullopt);
        // The seed said "blank" for the data folder.
        QVERIFY(QFileInfo(box.home.documents() + u"/UB-04 Claims"_qs).isDir());
    }

    void noWritableCandidateMeansMustUseRegistry_data() {
        QTest::addColumn<bool>("programSeed");
        QTest::addColumn<bool>("machineSeed");
        QTest::addColumn<QString>("fontSize");
        QTest::newRow("no seed file") << false << false << u"8"_qs;
        QTest::newRow("beside the program") << true << false << u"10"_qs;
        QTest::newRow("machine-wide") << false << true << u"11"_qs;
        QTest::newRow("machine-wide wins") << true << true << u"11"_qs;
    }
    void noWritableCandidateMeansMustUseRegistry() {
        QFETCH(bool, programSeed);
        QFETCH(bool, machineSeed);
        QFETCH(QString, fontSize);
        Sandbox box;
        box.folders.userSeedFolder = box.unmakeableFolder(u"datafile"_qs);
        QDir().mkpath(box.folders.machineSeedFolder);
        Sandbox::failWriteTest(box.folders.programFolder);
        Sandbox::failWriteTest(box.folders.machineSeedFolder);
        if (programSeed)
            writeFile(box.folders.programFolder + kSeedFileName, seedWithFontSize(u"10"_qs));
        if (machineSeed)
            writeFile(box.folders.machineSeedFolder + kSeedFileName, seedWithFontSize(u"11"_qs));

        PreferencesStore store = box.store();
        store.loadPreferencesNew();
        QCOMPARE(store.preferencesFilePath(), QString(kMustUseRegistry));
        QCOMPARE(store.preferences()[Pref::PrintFontSize], fontSize);
        QCOMPARE(box.storedText(), std::nullopt);
        QVERIFY(store.savePreferencesNew());
        QVERIFY(box.storedText().has_value());
    }

    void storedDataPathBlankMakesTheDefaultFolder_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("folderMade");
        QTest::newRow("blank") << u"blank"_qs << true;
        QTest::newRow("Blank") << u"Blank"_qs << false;
    }
    void storedDataPathBlankMakesTheDefaultFolder() {
        QFETCH(QString, stored);
        QFETCH(bool, folderMade);
        Sandbox box;
        Preferences saved;
        saved.resetToDefaults();
        saved[Pref::UserDataPath] = stored;
        QVERIFY(cw::platform::UserRegistry()
                    .writeText(kRegistryKey, kRegistryValue, buildPreferenceText(saved))
                    .ok());
        PreferencesStore store = box.store();
        store.loadPreferencesNew();
        const QString claims = box.home.documents() + u"/UB-04 Claims/"_qs;
        QCOMPARE(store.preferences()[Pref::UserDataPath], folderMade ? claims : stored);
        QCOMPARE(QFileInfo(claims).isDir(), folderMade);
    }

    void unusableRegistryIsReportedAndNothingIsOverwritten_data() {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<int>("errorCode");
        QTest::newRow("config folder is a file") << true << ENOTDIR;
        QTest::newRow("damaged store file") << false << 0;
    }
    void unusableRegistryIsReportedAndNothingIsOverwritten() {
        QFETCH(bool, folderIsAFile);
        QFETCH(int, errorCode);
        Sandbox box;
        const QString onDisk = folderIsAFile ? box.home.configHome() + u"/Quillmark"_qs
                                             : cw::platform::UserRegistry().filePath();
        const QByteArray damaged("[Software\\Quillmark]\n\"UB92CW\"=\"no end\n");
        writeFile(onDisk, damaged);

        PreferencesStore store = box.store();
        store.loadPreferencesNew();
        Preferences defaults;
        defaults.resetToDefaults();
        QCOMPARE(store.preferences(), defaults);
        QCOMPARE(store.preferencesFilePath(), QString()); // no first run over the old store
        QCOMPARE(box.reports, QStringList{u"PrefsErrorMsg: loadPreferencesNew GetLastError="_qs +
                                          QString::number(errorCode)});
        const QString shownText = u"There has been an error in the program.\r\n\r\n"
                                  "Error Description: Program settings could not be saved.\r\n\r\n"
                                  "Please call support at "_qs +
                                  cw::platform::makerValues().supportTelephone +
                                  u" if this error continues to occur."_qs;
        QCOMPARE(box.shown, QStringList{shownText});

        QVERIFY(!store.savePreferencesNew());
        QCOMPARE(box.reports.last(),
                 u"PrefsErrorMsg: savePreferencesNew line 179 of 180 "
                 "GetLastError=%1 return1=0 return2=%1 return3=0"_qs.arg(errorCode));
        QCOMPARE(box.shown.size(), 2);
        QCOMPARE(contents(onDisk), damaged);
    }

    void failedSaveKeepsTheSavedValue() {
        Sandbox box;
        PreferencesStore store = box.store();
        store.loadPreferencesNew();
        const auto saved = box.storedText();
        store.preferences()[Pref::TemplateAddressOne1] = QString(4096, u'x');
        {
            cw::test::FileSizeLimit limit(2048);
            QVERIFY(!store.savePreferencesNew());
        }
        QCOMPARE(box.reports,
                 QStringList{u"PrefsErrorMsg: savePreferencesNew line 179 of 180 "
                             "GetLastError=%1 return1=0 return2=%1 return3=0"_qs.arg(EFBIG)});
        QCOMPARE(box.storedText(), saved);
    }

    void unmakeableDocumentsFolderStillCompletesTheFirstRun() {
        Sandbox box;
        box.folders.documentsFolder = box.unmakeableFolder(u"docfile"_qs);
        PreferencesStore store = box.store();
        store.loadPreferencesNew();
        QCOMPARE(store.preferences()[Pref::UserDataPath],
                 box.folders.documentsFolder + u"UB-04 Claims/"_qs);
        QVERIFY(box.storedText().has_value());
        QCOMPARE(box.reports, QStringList());
        QVERIFY(!store.makeDefaultDataFolder().ok());
    }

    void firstRunTakesOverTheEarlierRelease() {
        Sandbox box;
        const QString cwd = box.folders.legacyFolder;
        writeFile(cwd + u"newprintsettings.cfg"_qs, "20\r\n21\r\nx3\r\n23\r\n24\r\n25\r\n26\r\n");
        writeFile(cwd + u"fontsettings.cfg"_qs, "10\r\nTRUE\r\n");
        writeFile(cwd + u"printmode.cfg"_qs, "LinesAndBoxes\r\ncolor");
        writeFile(cwd + u"options.cfg"_qs, "true\r\n");
        writeFile(cwd + u"initialdir.cfg"_qs, "/srv/Caf\xe9 claims/\r\n");

        PreferencesStore store = box.store();
        store.loadPreferencesNew();
        const Preferences& p = store.preferences();
        const QStringList alignment{p[Pref::PrintAlignment1], p[Pref::PrintAlignment2],
                                    p[Pref::PrintAlignment3], p[Pref::PrintAlignment4],
                                    p[Pref::PrintAlignment5], p[Pref::PrintAlignment6],
                                    p[Pref::PrintAlignment7]};
        QCOMPARE(alignment, (QStringList{u"20"_qs, u"21"_qs, u"18"_qs, u"23"_qs, u"24"_qs, u"25"_qs,
                                         u"26"_qs}));
        QCOMPARE(p[Pref::PrintFontSize], u"10"_qs);
        QCOMPARE(p[Pref::PrintFontBold], u"TRUE"_qs);
        QCOMPARE(p[Pref::PrintMode], u"LinesAndBoxes"_qs);
        QCOMPARE(p[Pref::LinesAndBoxesColour], u"color"_qs);
        QCOMPARE(p[Pref::AutoFillOn], u"true"_qs);
        QCOMPARE(p[Pref::SuggestionBoxOn], u"false"_qs);
        QCOMPARE(p[Pref::UserDataPath], u"/srv/Café claims/"_qs);
        QCOMPARE(box.storedText(), buildPreferenceText(p));
    }
};

CW_REGISTER_TEST(PreferencesStoreTest)
#include "PreferencesStoreTest.moc"
