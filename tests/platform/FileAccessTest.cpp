#include "platform/FileAccess.h"

#include "FileSizeLimit.h"
#include "ForkedChild.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "platform/ReadIfPresent.h"
#include "platform/StagedFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace cw::platform;
using cw::test::AfterAnswer;
using cw::test::ChildUser;
using cw::test::filesIn;
using cw::test::ForkedChild;
using cw::test::writeFile;

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

// What a temporary file beside claim.ub4 was left by.
enum class Leftover {
    KilledWriter,
    LiveWriter,
    NewEmptyFile, // a writer between making its file and locking it
    OldEmptyFile,
    OtherProgram, // a name of the same shape without our mark
};

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

Q_DECLARE_METATYPE(Leftover)
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
        QCOMPARE(filesIn(dir.path()), QStringList{u"claim.ub4"_qs});
    }

    // The temporary file's name must not pass the system's limit where the target's does not.
    void longestNameIsWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString(255, u'x'));
        QVERIFY(writeFileAtomically(path, "claim").ok());
        QCOMPARE(contents(path), QByteArray("claim"));
        QCOMPARE(filesIn(dir.path()), QStringList{QString(255, u'x')});
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

    // Temporary files that writers killed in the middle of a write left beside their targets
    // go with the next write into the folder; those of living writers, and other programs'
    // files, stay.
    void abandonedTemporaryFilesAreRemoved_data() {
        QTest::addColumn<Leftover>("leftover");
        QTest::addColumn<bool>("removed");
        QTest::newRow("writer killed mid-write") << Leftover::KilledWriter << true;
        QTest::newRow("writer still writing") << Leftover::LiveWriter << false;
        QTest::newRow("empty and new") << Leftover::NewEmptyFile << false;
        QTest::newRow("empty and two minutes old") << Leftover::OldEmptyFile << true;
        QTest::newRow("another program's") << Leftover::OtherProgram << false;
    }
    void abandonedTemporaryFilesAreRemoved() {
        QFETCH(Leftover, leftover);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString target = dir.filePath(u"claim.ub4"_qs);
        const QString made = dir.filePath(u".claim.ub4.claimwright-AbC123"_qs);
        // Lives on in the child, which never returns from the fork.
        std::optional<StagedFile> held;
        std::optional<ForkedChild> writer;
        switch (leftover) {
        case Leftover::KilledWriter:
        case Leftover::LiveWriter:
            writer.emplace(
                [&] {
                    auto staged = StagedFile::create(target);
                    if (!staged)
                        return staged.error().toUtf8();
                    held.emplace(std::move(staged).value());
                    if (!held->write(QByteArray(4096, 'c')))
                        return QByteArray("write failed");
                    if (leftover == Leftover::KilledWriter)
                        ::raise(SIGKILL);
                    return QByteArray("writing");
                },
                ChildUser::Same, AfterAnswer::StayAlive);
            QCOMPARE(writer->answer(), leftover == Leftover::LiveWriter ? "writing" : "");
            break;
        case Leftover::NewEmptyFile:
            writeFile(made, {});
            break;
        case Leftover::OldEmptyFile: {
            writeFile(made, {});
            QFile file(made);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                     QFileDevice::FileModificationTime));
            break;
        }
        case Leftover::OtherProgram:
            writeFile(dir.filePath(u".claim.ub4.AbC123"_qs), "someone else's");
            break;
        }
        const QStringList before = filesIn(dir.path());
        QCOMPARE(before.size(), 1);

        QVERIFY(writeFileAtomically(target, "new").ok());
        QCOMPARE(contents(target), QByteArray("new"));
        QCOMPARE(filesIn(dir.path()).contains(before.front()), !removed);
        QCOMPARE(filesIn(dir.path()).size(), removed ? 1 : 2);
    }

    // A file the user may not write is not replaced, as writing it in place would fail; root
    // writes every file.
    void targetTheUserMayNotWriteIsKept_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<ChildUser>("user");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("read-only") << 0444 << ChildUser::Ordinary << false;
        QTest::newRow("writable") << 0640 << ChildUser::Ordinary << true;
        QTest::newRow("read-only, as root") << 0444 << ChildUser::Same << true;
    }
    void targetTheUserMayNotWriteIsKept() {
        QFETCH(int, mode);
        QFETCH(ChildUser, user);
        QFETCH(bool, replaced);
        if (user == ChildUser::Same && ::geteuid() != 0)
            QSKIP("only root may write every file");
        QTemporaryDir dir;
        openToEveryone(dir);
        const QString target = dir.filePath(u"claim.ub4"_qs);
        ForkedChild saver(
            [&] {
                if (!writeFileAtomically(target, "old") ||
                    ::chmod(QFile::encodeName(target).constData(), mode_t(mode)) != 0)
                    return QByteArray("could not make the old file");
                const auto written = writeFileAtomically(target, "new");
                return written ? QByteArray("replaced") : written.error().toUtf8();
            },
            user);
        const QString answer = QString::fromUtf8(saver.answer().value_or("no answer"));
        if (replaced) {
            QCOMPARE(answer, u"replaced"_qs);
            QCOMPARE(contents(target), QByteArray("new"));
            struct stat st {};
            QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
            QCOMPARE(int(st.st_mode & 07777), mode); // a replaced file keeps its permissions
        } else {
            QVERIFY2(answer.contains(target) && answer.endsWith(systemText(EACCES)),
                     qPrintable(answer));
            QCOMPARE(contents(target), QByteArray("old"));
        }
        QCOMPARE(filesIn(dir.path()), QStringList{u"claim.ub4"_qs});
    }

    // A write that reported success survives a power cut: the folder is flushed after the
    // rename, through a descriptor of the folder that stays open from before the rename.
    void folderIsFlushedAfterTheRename() {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"claim.ub4"_qs);
        const QString log = dir.filePath(u"strace.log"_qs);
        QProcess strace;
        // A sanitizer build's leak check traces the process itself, which strace already does.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"ASAN_OPTIONS"_qs,
                           environment.value(u"ASAN_OPTIONS"_qs) + u":detect_leaks=0"_qs);
        strace.setProcessEnvironment(environment);
        strace.start(u"strace"_qs, {u"-f"_qs, u"-s"_qs, u"4096"_qs, u"-o"_qs, log, u"-e"_qs,
                                    u"trace=open,openat,close,rename,renameat,renameat2,fsync,"
                                    "fdatasync"_qs,
                                    QStringLiteral(ATOMIC_WRITE_ONCE), target, u"claim"_qs});
        QVERIFY2(strace.waitForStarted(), qPrintable(strace.errorString()));
        if (!strace.waitForFinished(60000)) {
            strace.kill();
            QFAIL("strace did not finish");
        }
        // A machine that forbids tracing (a locked-down container) cannot show the calls.
        const QByteArray straceSays = strace.readAllStandardError();
        if (strace.exitCode() != 0 && straceSays.contains("ptrace"))
            QSKIP(straceSays.constData());
        QCOMPARE(strace.exitCode(), 0);
        QCOMPARE(contents(target), QByteArray("claim"));

        // Lines as "[pid] call(arguments) = result", blanks folded.
        const QRegularExpression folderOpened(u"open(at)?\\(.*\""_qs +
                                              QRegularExpression::escape(dir.path()) +
                                              u"\",.*O_DIRECTORY.*\\) = (\\d+)$"_qs);
        const QRegularExpression renamed(u"rename(at2?)?\\(.*claim\\.ub4\"(, 0)?\\) = 0$"_qs);
        QString folder; // the descriptor that stays open on the folder
        bool afterRename = false;
        bool flushed = false;
        const QStringList lines = QString::fromUtf8(contents(log)).split(u'\n');
        for (const QString& raw : lines) {
            const QString line = raw.simplified();
            const bool closed = !folder.isEmpty() && line.contains(u"close("_qs + folder + u')');
            if (!afterRename) {
                if (const auto opened = folderOpened.match(line); opened.hasMatch())
                    folder = opened.captured(2);
                else if (closed)
                    folder.clear();
                afterRename = !folder.isEmpty() && renamed.match(line).hasMatch();
            } else if (line.endsWith(u"fsync("_qs + folder + u") = 0"_qs)) {
                flushed = true;
                break;
            } else if (closed) {
                break;
            }
        }
        QVERIFY2(afterRename, qPrintable(lines.join(u'\n')));
        QVERIFY2(flushed, qPrintable(lines.join(u'\n')));
    }
};

CW_REGISTER_TEST(FileAccessTest)
#include "FileAccessTest.moc"
