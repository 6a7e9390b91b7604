#include "printing/FormPicture.h"

#include "TempHome.h"
#include "TestRegistry.h"
#include "printing/FormPictureWarp.h"
#include "printing/JpegDecoder.h"
#include "resources/ResourcePaths.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTest>

using namespace cw::printing;

Q_DECLARE_METATYPE(PictureAdjustment)

namespace {

constexpr int kTile = 4;

// columns x rows tiles of kTile pixels, each tile one colour that names it.
QImage tiledPicture(int columns, int rows) {
    QImage image(columns * kTile, rows * kTile, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(10 + 40 * (x / kTile), 10 + 40 * (y / kTile), x % 4));
    return image;
}

TileBorders edges(int columns, int rows) {
    TileBorders borders;
    for (int i = 0; i <= columns; ++i)
        borders.x.push_back(i * kTile);
    for (int j = 0; j <= rows; ++j)
        borders.y.push_back(j * kTile);
    return borders;
}

QByteArray jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.write(image);
    return bytes;
}

QByteArray printPictureBytes() {
    QFile file(cw::resources::path(cw::resources::kFormPrint));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class FormPictureTest : public QObject {
    Q_OBJECT

private slots:
    void tileBordersWithoutOffsetsAreTheTileEdges() {
        const TileBorders borders = pictureTileBorders(PageOffsets{});
        QCOMPARE(borders.x.size(), std::size_t(18));
        QCOMPARE(borders.y.size(), std::size_t(23));
        for (int i = 0; i <= 17; ++i)
            QCOMPARE(borders.x[std::size_t(i)], 100 * i);
        for (int j = 0; j <= 22; ++j)
            QCOMPARE(borders.y[std::size_t(j)], 100 * j);
    }

    // The old picture adjustment against no adjustment: the top moves up one point (2.78
    // pixels), the zone at y = 484 down one and the bottom down three.
    void pictureAdjustmentMovesTheBorders_data() {
        QTest::addColumn<PictureAdjustment>("adjustment");
        QTest::addColumn<int>("top");      // border j = 1, at 36 points
        QTest::addColumn<int>("thirdRow"); // border j = 13, at 468 points, near y = 484
        QTest::addColumn<int>("bottom");   // border j = 22, at 792 points
        QTest::newRow("none, as printed") << kPictureAdjustment << 100 << 1300 << 2200;
        QTest::newRow("the older picture's") << PictureAdjustment{-1, 1, 3} << 97 << 1303 << 2208;
    }
    void pictureAdjustmentMovesTheBorders() {
        QFETCH(PictureAdjustment, adjustment);
        QFETCH(int, top);
        QFETCH(int, thirdRow);
        QFETCH(int, bottom);
        const TileBorders borders = pictureTileBorders(adjustedForPicture({}, adjustment));
        QCOMPARE(borders.y[1], top);
        QCOMPARE(borders.y[13], thirdRow);
        QCOMPARE(borders.y[22], bottom);
        QCOMPARE(borders.x, pictureTileBorders({}).x);
    }

    // V1 = -5 lifts the top by 5 points, so the top border lies 14 pixels above the sheet.
    void negativeOffsetsMoveBordersOffTheSheet() {
        PageOffsets offsets;
        offsets.v1 = -5;
        QCOMPARE(pictureTileBorders(offsets).y[0], -14);
    }

    void bordersOnTheEdgesCopyExactly() {
        const QImage source = tiledPicture(3, 2);
        QCOMPARE(warpTiles(source, kTile, edges(3, 2)), source);
    }

    // Moving every border by one pixel moves the picture; the gap it leaves stays white and
    // what goes past the edge is lost.
    void shiftedBordersMoveThePicture() {
        const QImage source = tiledPicture(3, 2);
        TileBorders borders = edges(3, 2);
        for (int& y : borders.y)
            y += 1;
        const QImage warped = warpTiles(source, kTile, borders);
        QCOMPARE(warped.size(), source.size());
        for (int x = 0; x < source.width(); ++x) {
            QCOMPARE(warped.pixelColor(x, 0), QColor(Qt::white));
            for (int y = 1; y < source.height(); ++y)
                QCOMPARE(warped.pixelColor(x, y), source.pixelColor(x, y - 1));
        }
    }

    // A tile squeezed to half its width takes every other column, sampling pixel centres; its
    // neighbour, stretched over the rest, leaves no gap.
    void stretchedAndSqueezedTiles() {
        const QImage source = tiledPicture(2, 1);
        TileBorders borders = edges(2, 1);
        borders.x[1] = 2;
        const QImage warped = warpTiles(source, kTile, borders);
        QCOMPARE(warped.pixelColor(0, 0), source.pixelColor(1, 0));
        QCOMPARE(warped.pixelColor(1, 0), source.pixelColor(3, 0));
        for (int x = 2; x < 8; ++x)
            QCOMPARE(warped.pixelColor(x, 0).red(), source.pixelColor(4, 0).red());
        QCOMPARE(warped.pixelColor(7, 0), source.pixelColor(7, 0));
    }

    // Borders out of order: a tile turned inside out is not drawn, and where a later tile
    // reaches back over an earlier one, the later one wins.
    void laterTilesOverwriteEarlierOnes() {
        const QImage source = tiledPicture(3, 1);
        TileBorders borders = edges(3, 1);
        borders.x = {0, 6, 3, 12};
        const QImage warped = warpTiles(source, kTile, borders);
        QCOMPARE(warped.pixelColor(2, 0).red(), source.pixelColor(0, 0).red());
        QCOMPARE(warped.pixelColor(4, 0).red(), source.pixelColor(8, 0).red());
        for (int x = 0; x < 12; ++x)
            QVERIFY(warped.pixelColor(x, 0).red() != source.pixelColor(4, 0).red());
    }

    void grey_data() {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("grey");
        QTest::newRow("white stays white") << QColor(255, 255, 255) << 255;
        QTest::newRow("black stays black") << QColor(0, 0, 0) << 0;
        QTest::newRow("green from 150.45") << QColor(0, 255, 0) << 150;
        QTest::newRow("blue from 28.05") << QColor(0, 0, 255) << 28;
        QTest::newRow("red from 76.5, to even") << QColor(255, 0, 0) << 76;
        QTest::newRow("form red") << QColor(200, 40, 40) << 88;
    }
    void grey() {
        QFETCH(QColor, colour);
        QFETCH(int, grey);
        QImage image(3, 2, QImage::Format_RGB888);
        image.fill(colour);
        const QImage result = toGrey(image);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(result.pixelColor(x, y), QColor(grey, grey, grey));
    }

    void decodesThePrintPicture() {
        const auto picture = decodeJpeg(printPictureBytes());
        QVERIFY2(picture.ok(), picture.ok() ? "" : qPrintable(picture.error()));
        QCOMPARE(picture->size(), QSize(kPictureWidth, kPictureHeight));
        QCOMPARE(picture->format(), QImage::Format_RGB888);
    }

    // A broken picture is an error, never a page with a grey or blank picture.
    void brokenPicturesFail_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = printPictureBytes();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("GIF89a this is no picture");
        QTest::newRow("cut short") << good.left(good.size() / 2);
        QByteArray scrambled = good;
        for (qsizetype i = 2000; i < scrambled.size() - 2; i += 97)
            scrambled[i] = char(0xFF);
        QTest::newRow("corrupt data") << scrambled;
    }
    void brokenPicturesFail() {
        QFETCH(QByteArray, bytes);
        const auto picture = decodeJpeg(bytes);
        QVERIFY(!picture.ok());
        QVERIFY(!picture.error().isEmpty());
    }

    void picturesOfTheWrongSizeOrMissingFail_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QImage small(170, 220, QImage::Format_RGB888);
        small.fill(Qt::white);
        QTest::newRow("wrong size") << jpegBytes(small) << "170 x 220";
        QTest::newRow("missing") << QByteArray() << "Could not open";
    }
    void picturesOfTheWrongSizeOrMissingFail() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        cw::test::TempHome home;
        const QString path = home.file(QStringLiteral("picture.jpg"));
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        FormPictures pictures(path);
        const auto picture = pictures.picture(PictureKind::Colour, {});
        QVERIFY(!picture.ok());
        QVERIFY2(picture.error().contains(says), qPrintable(picture.error()));
    }

    // The colour picture without offsets is the decoded picture itself; the same request
    // again gives the same image (one embedded image for a whole batch), and a change of
    // offsets or kind makes a new one.
    void picturesAreReusedWhileNothingChanges() {
        FormPictures pictures;
        const auto colour = pictures.picture(PictureKind::Colour, {});
        QVERIFY(colour.ok());
        const auto again = pictures.picture(PictureKind::Colour, {});
        QCOMPARE(again->cacheKey(), colour->cacheKey());

        PageOffsets moved;
        moved.v2 = 3;
        const auto bent = pictures.picture(PictureKind::Colour, moved);
        QVERIFY(bent->cacheKey() != colour->cacheKey());
        QVERIFY(*bent != *colour);
        QCOMPARE(pictures.picture(PictureKind::Colour, moved)->cacheKey(), bent->cacheKey());

        const auto grey = pictures.picture(PictureKind::Grey, moved);
        QCOMPARE(grey->format(), QImage::Format_Grayscale8);
        QVERIFY(grey->cacheKey() != bent->cacheKey());
    }
};

CW_REGISTER_TEST(FormPictureTest)
#include "FormPictureTest.moc"
