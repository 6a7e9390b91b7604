#include "editor/UpdateCommands.h"

#include "EditorFixture.h"
#include "LocalHttpServer.h"
#include "TestRegistry.h"
#include "TestSigningKey.h"
#include "editor/DocumentCommands.h"
#include "model/ClaimDocument.h"
#include "online/UpdateDownload.h"
#include "online/VersionCheck.h"
#include "onlinewindows/DownloadProgressWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using cw::editor::UpdateCommands;
using namespace cw::online;

namespace {

QByteArray installerBytes() {
    QByteArray bytes(10000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 13 % 256);
    return bytes;
}

// The commands on a bare window, with the preferences file path given for the home.
struct Commands {
    explicit Commands(const std::function<QString(const cw::test::TempHome&)>& preferencesFile) {
        main.show();
        commands = std::make_unique<UpdateCommands>(
            UpdateCommands::Context{document, dialogs, main, preferencesFile(home)});
        commands->setInstallerOpener([this](const QString& path) { opened << path; });
    }

    cw::test::TempHome home;
    cw::model::ClaimDocument document;
    ScriptedDialogs dialogs;
    QWidget main;
    std::unique_ptr<UpdateCommands> commands;
    QStringList opened;
};

QString noFile(const cw::test::TempHome&) {
    return {};
}

QString fileInHome(const cw::test::TempHome& home) {
    return home.file(u"UB92CW.cfg"_qs);
}

} // namespace

class UpdateCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_server.isRunning());
        QVERIFY(m_key.trust());
        m_server.serveMakerHosts();
    }

    void noDownloadIsOffered_data() {
        QTest::addColumn<ServedAnswer>("newest");
        QTest::addColumn<QString>("message");
        QTest::newRow("equal date") << ServedAnswer{"07/09/2009"} << upToDateMessage();
        QTest::newRow("trailing line break") << ServedAnswer{"07/09/2009\r\n"} << upToDateMessage();
        QTest::newRow("7/9/2009") << ServedAnswer{"7/9/2009"} << versionCheckFailedMessage();
        QTest::newRow("404") << ServedAnswer{"07/10/2009", 404} << versionCheckFailedMessage();
    }
    void noDownloadIsOffered() {
        QFETCH(ServedAnswer, newest);
        QFETCH(QString, message);
        QVERIFY(m_server.serve(QLatin1StringView(kVersionCheckPath), newest));
        Commands c(noFile);
        c.commands->CheckForNewVersion1Click();
        QCOMPARE(c.dialogs.messages, QStringList{message});
        QVERIFY(c.dialogs.questions.isEmpty());
        QVERIFY(c.main.isVisible());
    }

    void cancelAtTheQuestionDownloadsNothing() {
        serveNewerVersion(u"/files/claimwright.deb"_qs);
        Commands c(fileInHome);
        c.commands->CheckForNewVersion1Click();
        QCOMPARE(c.dialogs.questions, QStringList{newVersionQuestion()});
        QVERIFY(c.dialogs.messages.isEmpty());
        QVERIFY(!QFile::exists(c.home.file(u"claimwright.deb"_qs)));
        QVERIFY(c.opened.isEmpty());
    }

    void noWritableFolderSaysSo() {
        serveNewerVersion(u"/files/claimwright.deb"_qs);
        Commands c([](const cw::test::TempHome&) { return u"mustuseregistry"_qs; });
        c.dialogs.okCancelAnswers = {true};
        c.commands->CheckForNewVersion1Click();
        QCOMPARE(c.dialogs.messages, QStringList{cannotSaveDownloadMessage()});
        QVERIFY(c.opened.isEmpty());
    }

    // A run whose preferences came from the registry has no file path: the working folder.
    void withoutAPreferencesFileTheInstallerGoesToTheWorkingFolder() {
        serveNewerVersion(u"/files/claimwright.deb"_qs);
        Commands c(noFile);
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(c.home.path()));
        c.dialogs.okCancelAnswers = {true};
        c.commands->CheckForNewVersion1Click();
        QDir::setCurrent(before);
        QCOMPARE(c.opened, QStringList{c.home.file(u"claimwright.deb"_qs)});
        QVERIFY(!c.main.isVisible());
    }

    void refusedLocationOrTransferFails_data() {
        QTest::addColumn<ServedAnswer>("location");
        QTest::addColumn<ServedAnswer>("installer");
        const QByteArray url = m_server.url(u"/files/claimwright.deb"_qs).toLatin1();
        QTest::newRow("wrong credentials")
            << ServedAnswer(url).withCredentials(u"user"_qs, u"other"_qs)
            << ServedAnswer{installerBytes()};
        QTest::newRow("installer 404") << ServedAnswer{url} << ServedAnswer{installerBytes(), 404};
    }
    void refusedLocationOrTransferFails() {
        QFETCH(ServedAnswer, location);
        QFETCH(ServedAnswer, installer);
        QVERIFY(m_server.serve(QLatin1StringView(kVersionCheckPath), {"01/31/2010"}));
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath), location));
        QVERIFY(m_server.serve(u"/files/claimwright.deb"_qs, installer));
        Commands c(fileInHome);
        c.dialogs.okCancelAnswers = {true};
        c.commands->CheckForNewVersion1Click();
        QCOMPARE(c.dialogs.messages, QStringList{downloadFailedMessage()});
        QVERIFY(c.opened.isEmpty());
        QVERIFY(c.main.isVisible());
    }

    // An installer whose signature does not match its bytes is deleted and not handed on.
    void aTamperedInstallerFails() {
        serveNewerVersion(u"/files/claimwright.deb"_qs);
        QByteArray tampered = installerBytes();
        tampered[1234] = char(tampered[1234] ^ 0x20);
        QVERIFY(m_server.serve(u"/files/claimwright.deb"_qs, tampered));
        Commands c(fileInHome);
        c.dialogs.okCancelAnswers = {true};
        c.commands->CheckForNewVersion1Click();
        QCOMPARE(c.dialogs.messages, QStringList{downloadFailedMessage()});
        QVERIFY(!QFile::exists(c.home.file(u"claimwright.deb"_qs)));
        QVERIFY(c.opened.isEmpty());
        QVERIFY(c.main.isVisible());
    }

    // Cancel hides the window at once; the transfer stops, the partial file stays, nothing
    // starts.
    void cancelDuringASlowTransfer() {
        QVERIFY(m_server.serve(QLatin1StringView(kVersionCheckPath), {"01/31/2010"}));
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath),
                               {m_server.url(u"/files/slow.deb"_qs).toLatin1()}));
        QVERIFY(m_server.serve(u"/files/slow.deb"_qs,
                               ServedAnswer(installerBytes()).inChunks(1000, 0.2)));
        Commands c(fileInHome);
        c.dialogs.okCancelAnswers = {true};
        cw::onlinewindows::DownloadProgressWindow& window = c.commands->progressWindow();
        bool hiddenAtOnce = false;
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, this, [&] {
            if (!window.isVisible() || window.labelText().isEmpty())
                return;
            clicker.stop();
            // A second check while the first downloads does nothing.
            c.commands->CheckForNewVersion1Click();
            QTest::mouseClick(window.findChild<QPushButton*>(u"Button1"_qs), Qt::LeftButton);
            hiddenAtOnce = !window.isVisible();
        });
        clicker.start(10);
        c.commands->CheckForNewVersion1Click();
        QVERIFY(hiddenAtOnce);
        QCOMPARE(c.dialogs.messages, QStringList{downloadFailedMessage()});
        const qint64 kept = QFileInfo(c.home.file(u"slow.deb"_qs)).size();
        QVERIFY2(kept > 0 && kept < 10000, qPrintable(QString::number(kept)));
        QVERIFY(c.opened.isEmpty());
        QVERIFY(c.main.isVisible());
    }

    // Through the main window: the progress shows, the save-changes prompt comes back until
    // the claim is given up, the window closes, and then the installer is handed over.
    void newerVersionDownloadsClosesTheWindowAndHandsTheInstallerOver() {
        serveNewerVersion(u"/files/claimwright_4.4_amd64.deb"_qs);
        EditorFixture f;
        f.type("edit8b", u"Doe, Jane"_qs);
        f.dialogs().okCancelAnswers = {true};
        f.dialogs().saveAnswers = {cw::editor::SaveAnswer::Cancel, cw::editor::SaveAnswer::No};
        UpdateCommands& commands = f.window().updateCommands();
        QStringList labels;
        bool windowClosedFirst = false;
        QStringList opened;
        commands.setInstallerOpener([&](const QString& path) {
            opened << path;
            windowClosedFirst = !f.window().isVisible();
            labels << commands.progressWindow().labelText();
        });
        commands.CheckForNewVersion1Click();

        QCOMPARE(f.dialogs().questions, QStringList{newVersionQuestion()});
        QVERIFY(f.dialogs().messages.isEmpty());
        QCOMPARE(f.dialogs().promptsShown.size(), size_t(2));
        const QString folder = QFileInfo(f.window().preferences().preferencesFilePath()).path();
        const QString installer = folder + u"/claimwright_4.4_amd64.deb"_qs;
        QCOMPARE(opened, QStringList{installer});
        QVERIFY(windowClosedFirst);
        QCOMPARE(labels, QStringList{u"100%(10000 of 10000 Bytes)"_qs});
        QVERIFY(!commands.progressWindow().isVisible());
        QFile file(installer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), installerBytes());
        QVERIFY(!(QFileInfo(installer).permissions() & QFile::ExeUser));
    }

private:
    void serveNewerVersion(const QString& installerPath) {
        QVERIFY(m_server.serve(QLatin1StringView(kVersionCheckPath), {"07/10/2009\n"}));
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath),
                               ServedAnswer(m_server.url(installerPath).toLatin1())
                                   .withCredentials(u"user"_qs, u"7e6f5a4b"_qs)));
        QVERIFY(m_server.serve(installerPath, ServedAnswer(installerBytes()).inChunks(2500, 0.02)));
        QVERIFY(m_server.serve(installerPath + u".sig"_qs, m_key.sign(installerBytes())));
    }

    LocalHttpServer m_server;
    TestSigningKey m_key;
};

CW_REGISTER_TEST(UpdateCommandsTest)
#include "UpdateCommandsTest.moc"
