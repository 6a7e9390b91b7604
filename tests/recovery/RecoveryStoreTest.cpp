#include "recovery/RecoveryStore.h"

#include "ForkedChild.h"
#include "TempHome.h"
#include "TestFiles.h"
#include "TestRegistry.h"
#include "platform/FileAccess.h"
#include "recovery/RecoveryWriter.h"

#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using cw::recovery::RecoveryStore;
using cw::recovery::UnsavedClaim;
using Result = cw::Result<RecoveryStore>;

namespace {

UnsavedClaim claimOf(const QString& patient) {
    UnsavedClaim claim;
    claim.values.setValue(u"edit6a", patient);
    claim.title = patient;
    return claim;
}

mode_t permissionsOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Another copy of the program in the same folder that keeps a claim and runs until it is
// killed, as by kill -9: its file and lock file stay behind.
struct OtherCopy {
    cw::test::ForkedChild child;
    QString file;

    OtherCopy(const QString& folder, const QString& patient)
        : child(
              [folder, patient] {
                  Result opened = RecoveryStore::open(folder);
                  if (!opened)
                      return QByteArray();
                  // Held until the child is killed.
                  const auto* store = new RecoveryStore(std::move(opened).value());
                  if (!cw::platform::writeOwnerOnlyFileAtomically(
                          store->ownFile(), cw::recovery::recoveryFileBytes(claimOf(patient))))
                      return QByteArray();
                  return store->ownFile().toUtf8();
              },
              cw::test::ChildUser::Same, cw::test::AfterAnswer::StayAlive) {
        file = QString::fromUtf8(child.answer().value_or(QByteArray()));
    }
};

} // namespace

class RecoveryStoreTest : public QObject {
    Q_OBJECT

private slots:
    // The folder and the files are the user's alone, whatever the umask allows.
    void folderAndFileArePrivate() {
        cw::test::TempHome home;
        const QString folder = home.file(u"state/recovery"_qs);
        const mode_t mask = ::umask(022);
        Result store = RecoveryStore::open(folder);
        QVERIFY2(store, store ? "" : qPrintable(store.error()));
        {
            cw::recovery::RecoveryWriter writer(store->ownFile(), {});
            writer.write(cw::recovery::recoveryFileBytes(claimOf(u"Doe"_qs)));
        }
        ::umask(mask);
        QCOMPARE(permissionsOf(folder), mode_t(0700));
        QCOMPARE(permissionsOf(store->ownFile()), mode_t(0600));
    }

    // A copy that still runs keeps its claim; once it has been killed, its claim is found, and
    // it can be deleted or taken over, with nothing of the other copies left behind.
    void onlyEndedCopiesLeaveClaims() {
        cw::test::TempHome home;
        const QString folder = home.file(u"recovery"_qs);
        Result store = RecoveryStore::open(folder);
        QVERIFY(store);
        auto running = std::make_unique<OtherCopy>(folder, u"Running"_qs);
        auto ended = std::make_unique<OtherCopy>(folder, u"Ended"_qs);
        const QString endedFile = ended->file;
        ended.reset();
        QVERIFY(!running->file.isEmpty() && !endedFile.isEmpty());

        auto left = store->findLeftClaims();
        QCOMPARE(left.readable.size(), size_t(1));
        QCOMPARE(left.readable[0].path, endedFile);
        QCOMPARE(left.readable[0].claim.title, u"Ended"_qs);
        QVERIFY(QFileInfo::exists(running->file));

        const QString runningFile = running->file;
        running.reset(); // killed
        left = store->findLeftClaims();
        QCOMPARE(left.readable.size(), size_t(2));
        store->removeLeftClaim(endedFile);
        QVERIFY(store->adoptLeftClaim(runningFile));
        QVERIFY(!QFileInfo::exists(endedFile) && !QFileInfo::exists(runningFile));
        QCOMPARE(cw::recovery::unsavedClaimFromBytes(cw::test::fileBytes(store->ownFile()))->title,
                 u"Running"_qs);
        // Nothing is left of the two other copies, not even their locks.
        QCOMPARE(cw::test::filesIn(folder).size(), 2);
        QVERIFY(store->findLeftClaims().readable.empty());
    }

    // A file that cannot be read is renamed aside and reported, once; it is never deleted.
    void unreadableFileIsSetAside() {
        cw::test::TempHome home;
        const QString folder = home.file(u"recovery"_qs);
        Result store = RecoveryStore::open(folder);
        QVERIFY(store);
        cw::test::writeFile(folder + u"/1-abc.unsaved"_qs, "Claimwright unsaved claim 1\ncut");

        const auto left = store->findLeftClaims();
        QVERIFY(left.readable.empty());
        QCOMPARE(left.setAside.size(), 1);
        QVERIFY2(left.setAside[0].contains(u"1-abc.unsaved.unreadable"_qs),
                 qPrintable(left.setAside[0]));
        QCOMPARE(cw::test::fileBytes(folder + u"/1-abc.unsaved.unreadable"_qs),
                 QByteArray("Claimwright unsaved claim 1\ncut"));
        QVERIFY(store->findLeftClaims().setAside.isEmpty());
    }

    // The last request wins, and a removal after a write leaves no file, however fast they
    // follow each other.
    void writerEndsAsTheLastRequestSays() {
        cw::test::TempHome home;
        const QString file = home.file(u"claim.unsaved"_qs);
        cw::recovery::RecoveryWriter writer(file, {});
        for (int i = 0; i < 50; ++i) {
            writer.write(cw::recovery::recoveryFileBytes(claimOf(QString::number(i))));
            writer.remove();
        }
        writer.waitUntilDone();
        QVERIFY(!QFileInfo::exists(file));
        for (int i = 0; i < 50; ++i)
            writer.write(cw::recovery::recoveryFileBytes(claimOf(QString::number(i))));
        writer.waitUntilDone();
        QCOMPARE(cw::recovery::unsavedClaimFromBytes(cw::test::fileBytes(file))->title, u"49"_qs);
    }

    // A write that fails says why.
    void failedWriteIsReported() {
        cw::test::TempHome home;
        QString reason;
        {
            cw::recovery::RecoveryWriter writer(home.file(u"missing/claim.unsaved"_qs),
                                                [&](const QString& text) { reason = text; });
            writer.write("x");
        }
        QVERIFY2(reason.contains(u"claim.unsaved"_qs), qPrintable(reason));
    }
};

CW_REGISTER_TEST(RecoveryStoreTest)

#include "RecoveryStoreTest.moc"
