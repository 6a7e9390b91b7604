#include "TestRegistry.h"
#include "resources/ResourcePaths.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

namespace res = cw::resources;

class ResourcePicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Loading through ":/" also proves the pictures survive linking the static library.
    void everyPictureLoadsAtItsSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const res::Picture& picture : res::kAllPictures)
            QTest::newRow(picture.path)
                << res::path(picture) << QSize(picture.width, picture.height);
    }
    void everyPictureLoadsAtItsSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void printPictureIsAColourJpeg() {
        QImageReader reader(res::path(res::kFormPrint));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY(!image.isGrayscale());
    }

    void revenueMarkerIsItsOrangeRed() {
        const QImage marker(res::path(res::kRevenueMarker));
        QCOMPARE(marker.pixelColor(marker.rect().center()), QColor(255, 57, 0));
    }
};

CW_REGISTER_TEST(ResourcePicturesTest)
#include "ResourcePicturesTest.moc"
