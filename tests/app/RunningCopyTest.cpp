#include "TempHome.h"
#include "TestRegistry.h"
#include "app/ExitStatus.h"
#include "desktop/InstanceAddress.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <memory>
#include <signal.h>

using namespace cw::app;

namespace {

const QString kBuilt = QStringLiteral(CLAIMWRIGHT_BINARY);
constexpr int kStartWaitMs = 60000;

// The program as the desktop starts it, offscreen, in the test's home and runtime folder; the
// debug channel on, so its lines show what the copy did.
std::unique_ptr<QProcess> start(const cw::test::TempHome& home, const QStringList& arguments,
                                const QString& program = kBuilt) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    environment.insert(u"CLAIMWRIGHT_DEBUG_CHANNEL"_qs, u"1"_qs);
    environment.remove(u"QT_LOGGING_RULES"_qs);
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(home.path());
    process->start(program, arguments);
    process->waitForStarted(kStartWaitMs);
    return process;
}

struct Run {
    int status = -1;
    QString err;
};

Run finish(QProcess& process) {
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(kStartWaitMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, u"did not end"_qs};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

Run run(const cw::test::TempHome& home, const QStringList& arguments,
        const QString& program = kBuilt) {
    return finish(*start(home, arguments, program));
}

QString socketOf(const cw::test::TempHome& home, const QString& program) {
    return cw::desktop::InstanceAddress::of(QFileInfo(program).canonicalFilePath(),
                                            home.file(u"run"_qs))
        .socketPath;
}

// The first copy is up once it listens; false when it ended or did not get there in time.
bool listening(const cw::test::TempHome& home, QProcess& process, const QString& program = kBuilt) {
    const QDeadlineTimer deadline(kStartWaitMs);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        // A socket file that a killed copy left refuses the connection.
        QLocalSocket socket;
        socket.connectToServer(socketOf(home, program));
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(20);
    }
    return false;
}

// Ends a first copy that is still running.
void stop(QProcess& process) {
    process.kill();
    process.waitForFinished();
}

// A copy of the program file in a folder of the test's own.
QString copyOfProgram(const cw::test::TempHome& home, const QString& folder) {
    QDir(home.path()).mkpath(folder);
    const QString copy = home.file(folder + u"/claimwright"_qs);
    QFile::copy(kBuilt, copy);
    return copy;
}

} // namespace

// One copy per user and program file, between real processes of the program.
class RunningCopyTest : public QObject {
    Q_OBJECT

private slots:
    // A later start without a claim raises the running copy and ends with 0; the running copy
    // goes on.
    void laterStartEndsAndTheFirstGoesOn() {
        cw::test::TempHome home;
        const auto first = start(home, {});
        QVERIFY(listening(home, *first));
        const Run later = run(home, {});
        QVERIFY2(later.status == 0, qPrintable(later.err));
        QCOMPARE(first->state(), QProcess::Running);
        stop(*first);
    }

    // Copies of the program file in two folders are two programs: both run.
    void programFilesInTwoFoldersRunSideBySide() {
        cw::test::TempHome home;
        const QString a = copyOfProgram(home, u"a"_qs);
        const QString b = copyOfProgram(home, u"b"_qs);
        const auto first = start(home, {}, a);
        QVERIFY(listening(home, *first, a));
        const auto second = start(home, {}, b);
        QVERIFY(listening(home, *second, b));
        QCOMPARE(first->state(), QProcess::Running);
        stop(*first);
        stop(*second);
    }

    // After kill -9 the lock and the socket stay behind; the next start is the first copy at
    // once, and a start after it hands over to it.
    void leftoversOfAKilledCopyDoNotBlock() {
        cw::test::TempHome home;
        const auto killed = start(home, {});
        QVERIFY(listening(home, *killed));
        ::kill(pid_t(killed->processId()), SIGKILL);
        killed->waitForFinished();
        QVERIFY(QFileInfo::exists(socketOf(home, kBuilt)));

        const auto next = start(home, {});
        QVERIFY(listening(home, *next));
        const Run later = run(home, {});
        QVERIFY2(later.status == 0, qPrintable(later.err));
        QCOMPARE(next->state(), QProcess::Running);
        stop(*next);
    }

    // Two starts at the same instant: one window, the other start hands over and ends with 0.
    void twoStartsAtOnceGiveOneCopy() {
        cw::test::TempHome home;
        const auto a = start(home, {});
        const auto b = start(home, {});
        QVERIFY(QTest::qWaitFor(
            [&] {
                return a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning;
            },
            kStartWaitMs));
        QProcess& ended = a->state() == QProcess::NotRunning ? *a : *b;
        QProcess& running = &ended == a.get() ? *b : *a;
        const Run handedOver = finish(ended);
        QVERIFY2(handedOver.status == 0, qPrintable(handedOver.err));
        // Give the one left time to show that it stays.
        QTest::qWait(500);
        QCOMPARE(running.state(), QProcess::Running);
        stop(running);
    }

    // The field message reaches the running copy, which writes its debug line.
    void fieldMessageReachesTheRunningCopy() {
        cw::test::TempHome home;
        const auto first = start(home, {});
        QVERIFY(listening(home, *first));
        const Run sent = run(home, {u"--set-field"_qs, u"500001"_qs, u"1234567"_qs});
        QVERIFY2(sent.status == 0, qPrintable(sent.err));
        stop(*first);
        const QString log = QString::fromLocal8Bit(first->readAllStandardError());
        QVERIFY2(log.contains(u"HCFAMSG:500001"_qs), qPrintable(log));
    }

    // Without a running copy the field message says so and fails; no window opens.
    void fieldMessageWithoutARunningCopyFails() {
        cw::test::TempHome home;
        const Run sent = run(home, {u"--set-field"_qs, u"500001"_qs, u"1234567"_qs});
        QCOMPARE(sent.status, int(kNoRunningCopy));
        QVERIFY2(sent.err.contains(u"No copy of Claimwright is running"_qs), qPrintable(sent.err));
        QVERIFY(!QFileInfo::exists(socketOf(home, kBuilt)));
    }

    // A copy that holds the instance but does not answer (stopped): the later start says so
    // on standard error and ends without a window of its own.
    void aCopyThatDoesNotAnswerIsReported() {
        cw::test::TempHome home;
        const auto first = start(home, {});
        QVERIFY(listening(home, *first));
        ::kill(pid_t(first->processId()), SIGSTOP);
        const Run later = run(home, {});
        ::kill(pid_t(first->processId()), SIGCONT);
        QCOMPARE(later.status, int(kNoRunningCopy));
        QVERIFY2(later.err.contains(u"does not answer"_qs), qPrintable(later.err));
        stop(*first);
    }
};

CW_REGISTER_TEST(RunningCopyTest)

#include "RunningCopyTest.moc"
