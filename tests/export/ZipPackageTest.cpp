#include "export/ZipPackage.h"

#include "TestRegistry.h"

#include <QTest>
#include <QtEndian>

using namespace cw::exports;
using cw::Result;

namespace {

const QString kPart = QStringLiteral("xl/worksheets/sheet1.xml");

// The package with the part's uncompressed size in both its headers set to size.
QByteArray withClaimedSize(QByteArray package, quint32 size) {
    // Local header: signature PK 3 4, size at 22; central directory: PK 1 2, size at 24.
    for (const auto& [signature, offset] : {std::pair{QByteArrayView("PK\x03\x04"), 22},
                                            std::pair{QByteArrayView("PK\x01\x02"), 24}}) {
        const qsizetype header = package.indexOf(signature);
        if (header < 0)
            qFatal("no zip header in the package");
        qToLittleEndian(size, package.data() + header + offset);
    }
    return package;
}

QByteArray packageOf(const QByteArray& part, ZipPackage::Storage storage) {
    Result<ZipPackage> created = ZipPackage::create();
    if (!created)
        qFatal("%s", qPrintable(created.error()));
    ZipPackage package = std::move(created).value();
    if (Result<void> written = package.write(kPart, part, storage); !written)
        qFatal("%s", qPrintable(written.error()));
    Result<QByteArray> bytes = package.finish();
    if (!bytes)
        qFatal("%s", qPrintable(bytes.error()));
    return *bytes;
}

class ZipPackageTest : public QObject {
    Q_OBJECT

private slots:
    // A part whose header understates its size, the common form of a zip bomb, is refused at
    // opening (libzip's consistency check) or at reading; never read past what it claims.
    void partLargerThanItsHeaderIsRefused_data() {
        QTest::addColumn<int>("storage");
        QTest::newRow("stored") << int(ZipPackage::Storage::Stored);
        QTest::newRow("compressed") << int(ZipPackage::Storage::Compressed);
    }
    void partLargerThanItsHeaderIsRefused() {
        QFETCH(int, storage);
        const QByteArray part(1024 * 1024, ' ');
        const QByteArray bomb = withClaimedSize(packageOf(part, ZipPackage::Storage(storage)), 100);
        Result<ZipPackage> package = ZipPackage::open(bomb);
        if (!package)
            return;
        const Result<QByteArray> read = package->read(kPart, 2 * part.size());
        QVERIFY(!read);
        QVERIFY2(read.error().contains(kPart), qPrintable(read.error()));
    }

    void partsBeyondTheReadingBudgetAreRefused() {
        const QByteArray part(600, 'x');
        Result<ZipPackage> package = ZipPackage::open(
            packageOf(part, ZipPackage::Storage::Compressed), /*maxBytesRead=*/1000);
        QVERIFY(package);
        QCOMPARE(*package->read(kPart, 1000), part);
        const Result<QByteArray> again = package->read(kPart, 1000);
        QVERIFY(!again);
        QVERIFY2(again.error().contains(u"1000"), qPrintable(again.error()));
    }
};

} // namespace

CW_REGISTER_TEST(ZipPackageTest)
#include "ZipPackageTest.moc"
