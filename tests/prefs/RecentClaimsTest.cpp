// The recent claims list in a registry store of its own: order, the maximum, one entry per
// file however it is reached, and a store that cannot be read.

#include "prefs/RecentClaims.h"

#include "TempHome.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace cw;
using namespace cw::prefs;

namespace {

QString touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class RecentClaimsTest : public QObject {
    Q_OBJECT

private slots:
    void keepsEightNewestFirst() {
        test::TempHome home;
        const platform::UserRegistry registry(home.file(QStringLiteral("registry.txt")));
        RecentClaims recent(registry);
        QStringList added;
        for (int n = 1; n <= 10; ++n) {
            added.prepend(touch(home.file(QStringLiteral("claims/%1.ub4").arg(n))));
            QVERIFY(recent.add(added.first()).ok());
        }
        QCOMPARE(recent.files(), added.mid(0, 8));
        // Another store over the same file sees the same list.
        QCOMPARE(RecentClaims(registry).files(), added.mid(0, 8));
    }

    void oneFileIsListedOnce_data() {
        QTest::addColumn<QString>("sameFile");
        QTest::newRow("same path") << QStringLiteral("claims/a.ub4");
        QTest::newRow("other spelling") << QStringLiteral("claims/../claims/./a.ub4");
        QTest::newRow("through a link") << QStringLiteral("link/a.ub4");
    }
    void oneFileIsListedOnce() {
        QFETCH(QString, sameFile);
        test::TempHome home;
        RecentClaims recent(platform::UserRegistry(home.file(QStringLiteral("registry.txt"))));
        const QString a = touch(home.file(QStringLiteral("claims/a.ub4")));
        const QString b = touch(home.file(QStringLiteral("claims/b&c.ub4")));
        QVERIFY(
            QFile::link(home.file(QStringLiteral("claims")), home.file(QStringLiteral("link"))));
        QVERIFY(recent.add(a).ok());
        QVERIFY(recent.add(b).ok());
        QVERIFY(recent.add(home.file(sameFile)).ok());
        QCOMPARE(recent.files(), (QStringList{a, b}));
    }

    void removeAndClear() {
        test::TempHome home;
        RecentClaims recent(platform::UserRegistry(home.file(QStringLiteral("registry.txt"))));
        const QString a = touch(home.file(QStringLiteral("a.ub4")));
        const QString b = touch(home.file(QStringLiteral("b.ub4")));
        QVERIFY(recent.add(a).ok());
        QVERIFY(recent.add(b).ok());
        // A file that is gone is still found by the path the list holds.
        QVERIFY(QFile::remove(a));
        QVERIFY(recent.remove(a).ok());
        QCOMPARE(recent.files(), QStringList{b});
        QVERIFY(recent.clear().ok());
        QCOMPARE(recent.files(), QStringList());
    }

    void anUnreadableStoreListsNoneAndIsKept() {
        test::TempHome home;
        const QString store = home.file(QStringLiteral("registry.txt"));
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a registry file\n");
        file.close();
        RecentClaims recent{platform::UserRegistry(store)};
        QCOMPARE(recent.files(), QStringList());
        QVERIFY(!recent.add(touch(home.file(QStringLiteral("a.ub4")))).ok());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("not a registry file\n"));
    }
};

CW_REGISTER_TEST(RecentClaimsTest)
#include "RecentClaimsTest.moc"
