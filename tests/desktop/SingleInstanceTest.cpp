#include "desktop/SingleInstance.h"

#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "desktop/InstanceClient.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

using namespace cw::desktop;

namespace {

InstanceAddress addressIn(const cw::test::TempHome& home, const QString& program) {
    return InstanceAddress::of(program, home.file(u"run"_qs));
}

} // namespace

// The instance rule within one process; tests/app runs it between real processes.
class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    // The address is per user and per program file, short enough for a local socket.
    void addressesDifferByProgramPath() {
        const InstanceAddress a = InstanceAddress::of(u"/opt/a/claimwright"_qs, u"/run/user/1"_qs);
        const InstanceAddress b = InstanceAddress::of(u"/opt/b/claimwright"_qs, u"/run/user/1"_qs);
        const InstanceAddress c = InstanceAddress::of(u"/opt/A/claimwright"_qs, u"/run/user/1"_qs);
        QVERIFY(a.socketPath != b.socketPath && a.socketPath != c.socketPath);
        QVERIFY(a.lockPath != b.lockPath);
        QCOMPARE(a.socketPath,
                 InstanceAddress::of(u"/opt/a/claimwright"_qs, u"/run/user/1"_qs).socketPath);
        QVERIFY(a.socketPath.startsWith(u"/run/user/1/"_qs));
        QVERIFY(a.socketPath.toUtf8().size() < 100);
    }

    // A lock and a socket that a killed copy left: the next start is the first copy at once,
    // and later starts reach it.
    void leftoversOfAKilledCopyDoNotBlock() {
        cw::test::TempHome home;
        const InstanceAddress address = addressIn(home, u"/opt/claimwright"_qs);
        // A process id that no process has, and a socket file nobody listens on.
        cw::test::writeFile(address.lockPath, "2147480000\nclaimwright\n\n");
        cw::test::writeFile(address.socketPath, "");

        SingleInstance first(address);
        QVERIFY(!first.isAnotherInstanceRunning(std::chrono::milliseconds(0)));
        const auto server = first.listen();
        QVERIFY2(bool(server), qPrintable(server ? QString() : server.error()));

        SingleInstance second(address);
        QVERIFY(second.isAnotherInstanceRunning());
        QVERIFY(second.connection());
    }

    // The lock is held, but its holder never listens: the later start gives up with a reason
    // and never counts itself first.
    void aHolderThatDoesNotListenIsNotWaitedForLong() {
        cw::test::TempHome home;
        const InstanceAddress address = addressIn(home, u"/opt/claimwright"_qs);
        SingleInstance first(address);
        QVERIFY(!first.isAnotherInstanceRunning());

        SingleInstance second(address);
        QVERIFY(second.isAnotherInstanceRunning(std::chrono::milliseconds(300)));
        QVERIFY(!second.connection());
        QVERIFY2(second.failure().contains(u"does not answer"_qs), qPrintable(second.failure()));
    }

    // A listener that takes the connection but never answers: the sender gives up after the wait.
    void aCopyThatDoesNotAnswerIsReported() {
        cw::test::TempHome home;
        QLocalServer silent;
        const QString path = home.file(u"run/silent"_qs);
        QVERIFY(silent.listen(path));
        const auto socket = connectToRunningInstance(path, std::chrono::milliseconds(1000));
        QVERIFY(socket);
        const SendResult sent =
            sendRequest(*socket, InstanceRequest{}, std::chrono::milliseconds(200));
        QCOMPARE(sent.outcome, SendOutcome::NoAnswer);
        QVERIFY(sent.message.contains(u"does not answer"_qs));
    }
};

CW_REGISTER_TEST(SingleInstanceTest)

#include "SingleInstanceTest.moc"
