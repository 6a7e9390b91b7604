#include "platform/FileAccess.h"

#include "FileSizeLimit.h"
#include "ForkedChild.h"
#include "TestRegistry.h"
#include "platform/ReadIfPresent.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace cw::platform;
using cw::test::ChildUser;
using cw::test::ForkedChild;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A folder an ordinary user may write in, for a child that drops root.
void openToEveryone(const QTemporaryDir& dir) {
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
}

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Special files in a folder, by kind.
enum class Special { NamedPipe, Device, Socket, Folder };

QString makeSpecial(Special kind, const QTemporaryDir& dir) {
    const QString path = dir.filePath(u"claim.ub4"_qs);
    switch (kind) {
    case Special::NamedPipe:
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            qFatal("mkfifo failed");
        return path;
    case Special::Device:
        return u"/dev/null"_qs;
    case Special::Socket: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            qFatal("bind failed");
        ::close(fd);
        return path;
    }
    case Special::Folder:
        QDir().mkdir(path);
        return path;
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Special)

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
        QTemporaryDir dir;
        openToEveryone(dir);
        const QString path = dir.filePath(QStringLiteral("locked"));
        QVERIFY(writeFileAtomically(path, "x").ok());
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        ForkedChild reader(
            [&] {
                const auto read = readWholeFile(path, 100);
                return read ? QByteArray("read") : read.error().toUtf8();
            },
            ChildUser::Ordinary);
        const QString error = QString::fromUtf8(reader.answer().value_or("no answer"));
        QVERIFY2(error.contains(systemText(EACCES)), qPrintable(error));
    }

    // Only regular files are read; anything else is named and refused at once, however long
    // its other end would keep a reader waiting. readFileIfPresent counts them as errors too.
    void readRefusesWhatIsNotAFile_data() {
        QTest::addColumn<Special>("kind");
        QTest::addColumn<QString>("says");
        QTest::newRow("named pipe") << Special::NamedPipe << "it is a named pipe, not a file";
        QTest::newRow("device") << Special::Device << "it is a device, not a file";
        QTest::newRow("socket") << Special::Socket << "it is a socket, not a file";
        QTest::newRow("folder") << Special::Folder << "it is a folder, not a file";
    }
    void readRefusesWhatIsNotAFile() {
        QFETCH(Special, kind);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString path = makeSpecial(kind, dir);
        ForkedChild reader([&] {
            const auto read = readWholeFile(path, 1 << 20);
            const auto ifPresent = readFileIfPresent(path, 1 << 20);
            return (read ? QByteArray("read") : read.error().toUtf8()) +
                   (ifPresent ? QByteArray(" | not an error") : QByteArray(" | an error"));
        });
        const std::optional<QByteArray> answer = reader.answer(30000);
        QVERIFY2(answer, "the read never came back");
        const QString error = QString::fromUtf8(*answer);
        QVERIFY2(error.contains(path) && error.contains(says), qPrintable(error));
        QVERIFY2(error.endsWith(u" | an error"_qs), qPrintable(error));
    }
};

CW_REGISTER_TEST(FileAccessTest)
#include "FileAccessTest.moc"
