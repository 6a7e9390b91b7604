#include "platform/KnownFolders.h"

#include "TempHome.h"
#include "TestRegistry.h"
#include "platform/FileAccess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

using namespace cw::platform;

class KnownFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void foldersComeFromTheEnvironment() {
        cw::test::TempHome home;
        QCOMPARE(documentsFolder(), home.documents());
        QCOMPARE(applicationDataFolder(), home.dataHome());
        QCOMPARE(userConfigFolder(), home.configHome() + u"/Quillmark/"_qs);
        QCOMPARE(programFolder(), QCoreApplication::applicationDirPath() + u'/');
    }

    void unwritableProgramFolderFallsBackToTheConfigFolder() {
        cw::test::TempHome home;
        QVERIFY(writeFileAtomically(home.file(QStringLiteral("program")), "a file").ok());
        const QString fallback = userConfigFolder();
        QCOMPARE(folderBesideProgram(home.file(QStringLiteral("program/bin")), fallback), fallback);
        QVERIFY(QFileInfo(fallback).isDir());
        QCOMPARE(folderBesideProgram(home.path(), fallback), home.path() + u'/');
    }
};

CW_REGISTER_TEST(KnownFoldersTest)
#include "KnownFoldersTest.moc"
