#include "platform/FileAccess.h"

#include "FileSizeLimit.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace cw::platform;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class FileAccessTest : public QObject {
    Q_OBJECT

private slots:
    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("claim.ub4"));
        QVERIFY(writeFileAtomically(path, "old contents").ok());
        {
            cw::test::FileSizeLimit limit(1024);
            const auto written = writeFileAtomically(path, QByteArray(4096, 'x'));
            QVERIFY(!written.ok());
            QVERIFY2(written.error().contains(path), qPrintable(written.error()));
        }
        QCOMPARE(contents(path), QByteArray("old contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"claim.ub4"_qs});
    }

    void writeIntoMissingFolderFails() {
        QTemporaryDir dir;
        const auto written = writeFileAtomically(dir.filePath(QStringLiteral("no/such.ub4")), "x");
        QVERIFY(!written.ok());
    }

    void readRefusesLargeFilesBeforeReading() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big"));
        QVERIFY(writeFileAtomically(path, QByteArray(101, 'x')).ok());
        QVERIFY(!readWholeFile(path, 100).ok());
        QCOMPARE(readWholeFile(path, 101)->size(), 101);
    }

    void unreadableFileNamesTheReason() {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("locked"));
        QVERIFY(writeFileAtomically(path, "x").ok());
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        const auto read = readWholeFile(path, 100);
        QVERIFY(!read.ok());
        QVERIFY2(read.error().contains(QLatin1StringView("ermission")), qPrintable(read.error()));
    }
};

CW_REGISTER_TEST(FileAccessTest)
#include "FileAccessTest.moc"
