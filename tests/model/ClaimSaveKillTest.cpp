#include "Fixtures.h"
#include "TestRegistry.h"
#include "model/ClaimFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace cw::model;

using cw::test::fixturePath;

namespace {

constexpr int kKills = 300;
// Long enough for the writer to start (a few milliseconds) and get through a few saves.
constexpr int kMaxMicrosecondsBeforeKill = 15000;

// CLAIMWRIGHT_KILL_SEED repeats a failed run.
quint32 killSeed() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("CLAIMWRIGHT_KILL_SEED").toUInt(&ok);
    return ok ? seed : 20261210u;
}

QByteArray savedBytes(const char* fixture) {
    const auto claim = readClaimFile(fixturePath(fixture));
    if (!claim)
        qFatal("%s", qPrintable(claim.error()));
    return encodeClaimFile(*claim).value();
}

// The temporary files of ours in the folder that hold something; the empty ones go to empty.
QStringList stagedFiles(const QDir& folder, QSet<QString>* empty) {
    QStringList nonEmpty;
    const QFileInfoList files = folder.entryInfoList({QStringLiteral(".claim.ub4.claimwright-*")},
                                                     QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files)
        if (file.size() == 0)
            empty->insert(file.fileName());
        else
            nonEmpty << file.fileName();
    return nonEmpty;
}

class ClaimSaveKillTest : public QObject {
    Q_OBJECT

private slots:
    // A writer killed at any moment of a save leaves the old claim or the new one, never a
    // mixture or nothing; the next save clears what the killed writer left behind.
    void killedSaveLeavesOneWholeClaim() {
        const quint32 seed = killSeed();
        const QByteArray first = savedBytes("claim-sample.ub4");
        const QByteArray second = savedBytes("claim-full.ub4");
        QVERIFY(first != second);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString target = dir.filePath(QStringLiteral("claim.ub4"));
        QRandomGenerator random(seed);
        bool everSaved = false;
        QSet<QString> emptyLeft;

        for (int kill = 0; kill < kKills; ++kill) {
            const QString context =
                QStringLiteral("kill %1 of the run with CLAIMWRIGHT_KILL_SEED=%2")
                    .arg(kill)
                    .arg(seed);
            QProcess writer;
            writer.start(QStringLiteral(CLAIM_SAVE_LOOP),
                         {target, fixturePath("claim-sample.ub4"), fixturePath("claim-full.ub4")});
            QVERIFY2(writer.waitForStarted(), qPrintable(context));
            QThread::usleep(random.bounded(kMaxMicrosecondsBeforeKill));
            writer.kill();
            QVERIFY2(writer.waitForFinished(), qPrintable(context));
            QVERIFY2(writer.exitStatus() == QProcess::CrashExit,
                     qPrintable(context + u": the writer stopped by itself"_qs));

            QFile file(target);
            if (file.exists()) {
                everSaved = true;
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(context));
                const QByteArray saved = file.readAll();
                QVERIFY2(saved == first || saved == second,
                         qPrintable(context + u": the file holds neither claim"_qs));
            } else {
                QVERIFY2(!everSaved, qPrintable(context + u": the claim file is gone"_qs));
            }

            // A writer killed between making its file and writing into it leaves it empty,
            // which the next save cannot tell from a live writer's for a minute.
            QVERIFY2(writeClaimFile(target, *readClaimFile(fixturePath("claim-sample.ub4"))),
                     qPrintable(context));
            const QStringList left = stagedFiles(QDir(dir.path()), &emptyLeft);
            QVERIFY2(left.isEmpty(), qPrintable(context + u": left "_qs + left.join(u", ")));
        }
        QVERIFY(everSaved);
        qInfo("%d kills, %lld empty temporary files left to the saves after a minute", kKills,
              static_cast<long long>(emptyLeft.size()));
    }
};

} // namespace

CW_REGISTER_TEST(ClaimSaveKillTest)
#include "ClaimSaveKillTest.moc"
