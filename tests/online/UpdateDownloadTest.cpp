#include "online/UpdateDownload.h"

#include "LocalHttpServer.h"
#include "TestRegistry.h"
#include "TestSigningKey.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace cw::online;

class UpdateDownloadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_server.isRunning());
        QVERIFY(m_key.trust());
        m_server.serveMakerHosts();
    }

    // A folder of its own for every test.
    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }

    void namesTheFileAfterTheUrl_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::newRow("package") << u"http://h/files/claimwright_4.4_amd64.deb"_qs
                                 << u"claimwright_4.4_amd64.deb"_qs;
        QTest::newRow("query dropped") << u"http://h/a/setup.run?x=1"_qs << u"setup.run"_qs;
        QTest::newRow("no name") << u"http://h/files/"_qs << u"ub04setup.exe"_qs;
        QTest::newRow("no path") << u"http://h"_qs << u"ub04setup.exe"_qs;
        QTest::newRow("hidden name") << u"http://h/.bashrc"_qs << u"ub04setup.exe"_qs;
        QTest::newRow("dot dot") << u"http://h/a/.."_qs << u"ub04setup.exe"_qs;
        QTest::newRow("seed file") << u"http://h/a/ub92cw.CFG"_qs << u"ub04setup.exe"_qs;
        QTest::newRow("write test file") << u"http://h/TEMPUB04.cfg"_qs << u"ub04setup.exe"_qs;
        QTest::newRow("a claim") << u"http://h/doe.UB4"_qs << u"ub04setup.exe"_qs;
        QTest::newRow("encoded slash") << u"http://h/a/..%2Fregistry.txt"_qs << u"ub04setup.exe"_qs;
    }
    void namesTheFileAfterTheUrl() {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QCOMPARE(installerFileName(url), name);
    }

    // The location is asked for with the credentials and used as it stands; the installer
    // replaces a file of its name.
    void fetchesTheInstallerTheLocationNames() {
        const QByteArray installer = body(10000);
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath),
                               ServedAnswer(m_server.url(u"/files/new.deb"_qs).toLatin1())
                                   .withCredentials(u"user"_qs, u"7e6f5a4b"_qs)));
        QVERIFY(m_server.serve(u"/files/new.deb"_qs, ServedAnswer(installer).inChunks(2500, 0.05)));
        QVERIFY(m_server.serve(u"/files/new.deb.sig"_qs, m_key.sign(installer)));
        writeFile(u"new.deb"_qs, "an older download, longer than the new one" + body(20000));

        UpdateDownload download(m_folder->path());
        QList<qint64> begun;
        QList<qint64> counts;
        int ended = 0;
        connect(&download, &UpdateDownload::begun, this, [&](qint64 n) { begun << n; });
        connect(&download, &UpdateDownload::progressed, this, [&](qint64 n) { counts << n; });
        connect(&download, &UpdateDownload::ended, this, [&] { ++ended; });
        const auto path = download.run();
        QVERIFY2(path.ok(), qPrintable(path.ok() ? QString() : path.error()));
        QCOMPARE(*path, m_folder->filePath(u"new.deb"_qs));
        QCOMPARE(readFile(u"new.deb"_qs), installer);
        QCOMPARE(begun, QList<qint64>{10000});
        QVERIFY(counts.contains(5000));
        QCOMPARE(counts.last(), 10000);
        QCOMPARE(ended, 1);
    }

    void wrongCredentialsFail() {
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath),
                               ServedAnswer(m_server.url(u"/files/new.deb"_qs).toLatin1())
                                   .withCredentials(u"user"_qs, u"other"_qs)));
        UpdateDownload download(m_folder->path());
        const auto path = download.run();
        QVERIFY(!path.ok());
        QVERIFY2(path.error().contains(u"401"), qPrintable(path.error()));
        QVERIFY(!QFile::exists(m_folder->filePath(u"new.deb"_qs)));
    }

    // Cancel ends a slow transfer at its next piece and keeps what came.
    void cancelStopsTheTransferAndKeepsThePartialFile() {
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath),
                               {m_server.url(u"/files/slow.deb"_qs).toLatin1()}));
        QVERIFY(
            m_server.serve(u"/files/slow.deb"_qs, ServedAnswer(body(10000)).inChunks(1000, 0.2)));
        UpdateDownload download(m_folder->path());
        connect(&download, &UpdateDownload::progressed, &download, [&](qint64 n) {
            if (n >= 2000)
                download.cancel();
        });
        const auto path = download.run();
        QVERIFY(!path.ok());
        const qint64 kept = QFile(m_folder->filePath(u"slow.deb"_qs)).size();
        QVERIFY2(kept >= 2000 && kept < 10000, qPrintable(QString::number(kept)));
    }

    // Without a length the counts still come, and the file is whole.
    void aServerWithoutLengthStillDownloads() {
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath),
                               {m_server.url(u"/files/"_qs).toLatin1()}));
        const ServedAnswer installer = ServedAnswer(body(10000)).inChunks(4000).withoutLength();
        QVERIFY(m_server.serve(u"/files/"_qs, installer));
        QVERIFY(m_server.serve(u"/files/.sig"_qs, m_key.sign(body(10000))));
        UpdateDownload download(m_folder->path());
        QList<qint64> begun;
        connect(&download, &UpdateDownload::begun, this, [&](qint64 n) { begun << n; });
        const auto path = download.run();
        QVERIFY2(path.ok(), qPrintable(path.ok() ? QString() : path.error()));
        QCOMPARE(*path, m_folder->filePath(u"ub04setup.exe"_qs));
        QCOMPARE(readFile(u"ub04setup.exe"_qs), body(10000));
        QCOMPARE(begun, QList<qint64>{-1});
    }

    // A signature of other bytes, or none: the download fails and the file is gone.
    void anUnsignedInstallerIsDeleted_data() {
        QTest::addColumn<ServedAnswer>("signature");
        QByteArray changed = body(10000);
        changed[5000] = char(changed[5000] ^ 1);
        TestSigningKey other;
        QTest::newRow("one byte changed") << ServedAnswer(m_key.sign(changed));
        QTest::newRow("another key") << ServedAnswer(other.sign(body(10000)));
        QTest::newRow("no signature") << ServedAnswer("", 404);
        QTest::newRow("too long") << ServedAnswer(m_key.sign(body(10000)) + QByteArray(1000, 'x'));
    }
    void anUnsignedInstallerIsDeleted() {
        QFETCH(ServedAnswer, signature);
        QVERIFY(m_server.serve(QLatin1StringView(kInstallerLocationPath),
                               {m_server.url(u"/files/bad.deb"_qs).toLatin1()}));
        QVERIFY(m_server.serve(u"/files/bad.deb"_qs, body(10000)));
        QVERIFY(m_server.serve(u"/files/bad.deb.sig"_qs, signature));
        UpdateDownload download(m_folder->path());
        QVERIFY(!download.run().ok());
        QVERIFY(!QFile::exists(m_folder->filePath(u"bad.deb"_qs)));
    }

private:
    static QByteArray body(int size) {
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7 % 251);
        return bytes;
    }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(m_folder->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    QByteArray readFile(const QString& name) {
        QFile file(m_folder->filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    LocalHttpServer m_server;
    TestSigningKey m_key;
    std::unique_ptr<QTemporaryDir> m_folder;
};

CW_REGISTER_TEST(UpdateDownloadTest)
#include "UpdateDownloadTest.moc"
