#include "desktop/FileAssociation.h"

#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "desktop/KeyFile.h"
#include "platform/DebugOutput.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace cw::desktop;
using cw::test::fileBytes;
using cw::test::writeFile;

namespace {

struct Tool {
    int status = -1;
    QString out;
};

// A desktop tool in the temporary home; as on a GNOME desktop, where xdg-mime asks gio, which
// reads the shared-MIME-info database.
Tool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CURRENT_DESKTOP"_qs, u"GNOME"_qs);
    environment.insert(u"XDG_DATA_DIRS"_qs, u"/usr/share"_qs);
    environment.insert(u"XDG_CONFIG_DIRS"_qs, u"/etc/xdg"_qs);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()).trimmed()};
}

AssociationFolders foldersIn(const cw::test::TempHome& home) {
    return {home.dataHome(), {u"/usr/share"_qs}, home.configHome(), {u"/etc/xdg"_qs}, {}};
}

QString entryPath(const cw::test::TempHome& home) {
    return home.dataHome() + u"/applications/claimwright.desktop"_qs;
}

} // namespace

class FileAssociationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        for (const char* tool :
             {"desktop-file-validate", "xdg-mime", "update-mime-database", "gio"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(
                    u"%1 is not installed (scripts/setup.sh)"_qs.arg(QString::fromLatin1(tool))));
    }

    // The desktop's own tools accept what the association writes and name our type and entry.
    void theDesktopToolsFindTheAssociation() {
        cw::test::TempHome home;
        const QString program = home.file(u"My Programs/claimwright"_qs);
        const FileAssociation association(foldersIn(home), program);
        QCOMPARE(association.associatedProgram(), QString());
        association.ensureFileAssociation();
        QCOMPARE(association.associatedProgram(), program);

        const Tool validate = run(u"desktop-file-validate"_qs, {entryPath(home)});
        QVERIFY2(validate.status == 0 && validate.out.isEmpty(), qPrintable(validate.out));
        const QString claim = home.file(u"x.ub4"_qs);
        writeFile(claim, "Jane Doe\r\n");
        QCOMPARE(run(u"xdg-mime"_qs, {u"query"_qs, u"filetype"_qs, claim}).out, claimMimeType());
        QCOMPARE(run(u"xdg-mime"_qs, {u"query"_qs, u"default"_qs, claimMimeType()}).out,
                 desktopEntryName());
        const QByteArray entry = fileBytes(entryPath(home));
        QCOMPARE(keyFileValue(entry, u"Desktop Entry", u"Exec"),
                 std::optional(u"\"%1\" %f"_qs.arg(program)));
        QVERIFY(QFile::exists(home.dataHome() + u"/icons/hicolor/48x48/apps/claimwright.png"_qs));
    }

    // Only an entry that runs exactly this program file counts; any other is written again,
    // and what else the user's mimeapps.list holds stays.
    void anyOtherProgramIsRewritten_data() {
        QTest::addColumn<QString>("exec");
        QTest::newRow("another folder") << u"\"%1/old/claimwright\" %f"_qs;
        QTest::newRow("other letter case") << u"\"%1/Claimwright\" %f"_qs;
        QTest::newRow("another program, unquoted") << u"%1/claimwright.sh %f"_qs;
    }
    void anyOtherProgramIsRewritten() {
        QFETCH(QString, exec);
        cw::test::TempHome home;
        const QString program = home.file(u"claimwright"_qs);
        const FileAssociation association(foldersIn(home), program);
        association.ensureFileAssociation();
        writeFile(entryPath(home), "[Desktop Entry]\nType=Application\nName=Old\nExec=" +
                                       exec.arg(home.path()).toUtf8() + "\n");
        const QString list = home.configHome() + u"/mimeapps.list"_qs;
        writeFile(list, fileBytes(list) + "image/png=viewer.desktop;\n");
        QVERIFY(association.associatedProgram() != program);

        cw::platform::DebugOutputCapture log;
        association.ensureFileAssociation();
        QCOMPARE(association.associatedProgram(), program);
        QCOMPARE(keyFileValue(fileBytes(list), u"Default Applications", u"image/png"),
                 std::optional(u"viewer.desktop;"_qs));

        // Standing now, it is left alone.
        const qsizetype logged = log.lines().size();
        QVERIFY(logged > 0);
        association.ensureFileAssociation();
        QCOMPARE(log.lines().size(), logged);
    }

    // Another program made the default handler of claim files: the next show makes this
    // program the default again.
    void anotherDefaultHandlerIsReplaced() {
        cw::test::TempHome home;
        const QString program = home.file(u"claimwright"_qs);
        const FileAssociation association(foldersIn(home), program);
        association.ensureFileAssociation();
        writeFile(home.dataHome() + u"/applications/other.desktop"_qs,
                  "[Desktop Entry]\nType=Application\nName=Other\nExec=/usr/bin/other %f\n");
        const QString list = home.configHome() + u"/mimeapps.list"_qs;
        writeFile(list,
                  "[Default Applications]\n" + claimMimeType().toUtf8() + "=other.desktop;\n");
        QCOMPARE(association.associatedProgram(), u"/usr/bin/other"_qs);
        association.ensureFileAssociation();
        QCOMPARE(association.associatedProgram(), program);
    }

    // A data folder that cannot be written leaves the association as it was, says so on the
    // debug channel, and the program goes on.
    void failuresAreOnlyLogged() {
        cw::test::TempHome home;
        writeFile(home.file(u"not-a-folder"_qs), "x");
        AssociationFolders folders = foldersIn(home);
        folders.dataHome = home.file(u"not-a-folder"_qs);
        const FileAssociation association(folders, home.file(u"claimwright"_qs));
        cw::platform::DebugOutputCapture log;
        association.ensureFileAssociation();
        QCOMPARE(association.associatedProgram(), QString());
        QVERIFY(log.lines().join(u'\n').contains(u"File association failed"_qs));
    }
};

CW_REGISTER_TEST(FileAssociationTest)

#include "FileAssociationTest.moc"
