#include "printing/FormPictureWarp.h"

#include "printing/Rounding.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace cw::printing {

namespace {

constexpr int kBytesPerPixel = 3;

// A border in points on the sheet to picture pixels (1 / 0.36).
int toPicturePixels(int points) {
    return roundHalfToEven(static_cast<double>(points) * 25 / 9);
}

bool bordersOnTileEdges(const TileBorders& borders, int tileSize) {
    for (std::size_t i = 0; i < borders.x.size(); ++i)
        if (borders.x[i] != static_cast<int>(i) * tileSize)
            return false;
    for (std::size_t j = 0; j < borders.y.size(); ++j)
        if (borders.y[j] != static_cast<int>(j) * tileSize)
            return false;
    return true;
}

// Stretches the source tile whose top-left pixel is (sourceX, sourceY) onto the target
// rectangle [left, right) x [top, bottom), sampling each target pixel's centre.
void copyTile(const QImage& source, int sourceX, int sourceY, int tileSize, QImage& target,
              int left, int right, int top, int bottom) {
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return;
    const int firstX = std::max(left, 0);
    const int endX = std::min(right, target.width());
    const int firstY = std::max(top, 0);
    const int endY = std::min(bottom, target.height());
    if (firstX >= endX || firstY >= endY)
        return;

    std::vector<int> columnOf(static_cast<std::size_t>(endX - firstX));
    for (int x = firstX; x < endX; ++x)
        columnOf[static_cast<std::size_t>(x - firstX)] =
            sourceX + ((x - left) * 2 + 1) * tileSize / (2 * width);
    for (int y = firstY; y < endY; ++y) {
        const int row = sourceY + ((y - top) * 2 + 1) * tileSize / (2 * height);
        const uchar* from = source.constScanLine(row);
        uchar* to = target.scanLine(y) + firstX * kBytesPerPixel;
        if (width == tileSize) {
            std::memcpy(to, from + columnOf.front() * kBytesPerPixel,
                        static_cast<std::size_t>(endX - firstX) * kBytesPerPixel);
            continue;
        }
        for (const int column : columnOf) {
            std::memcpy(to, from + column * kBytesPerPixel, kBytesPerPixel);
            to += kBytesPerPixel;
        }
    }
}

} // namespace

PageOffsets adjustedForPicture(PageOffsets offsets, PictureAdjustment adjustment) {
    offsets.v1 += adjustment.v1;
    offsets.v3 += adjustment.v3;
    offsets.v4 += adjustment.v4;
    return offsets;
}

TileBorders pictureTileBorders(const PageOffsets& offsets) {
    TileBorders borders;
    for (int i = 0; i <= kPictureColumns; ++i)
        borders.x.push_back(toPicturePixels(shiftHorizontal(offsets, 36 * i)));
    for (int j = 0; j <= kPictureRows; ++j)
        borders.y.push_back(toPicturePixels(shiftVertical(offsets, 36 * j)));
    return borders;
}

QImage warpTiles(const QImage& source, int tileSize, const TileBorders& borders) {
    const int columns = static_cast<int>(borders.x.size()) - 1;
    const int rows = static_cast<int>(borders.y.size()) - 1;
    Q_ASSERT(source.format() == QImage::Format_RGB888);
    Q_ASSERT(source.width() == columns * tileSize && source.height() == rows * tileSize);
    if (bordersOnTileEdges(borders, tileSize))
        return source;

    QImage target(source.size(), QImage::Format_RGB888);
    if (target.isNull())
        return target;
    target.fill(Qt::white);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            copyTile(source, i * tileSize, j * tileSize, tileSize, target, borders.x[i],
                     borders.x[i + 1], borders.y[j], borders.y[j + 1]);
    return target;
}

QImage toGrey(const QImage& rgb) {
    Q_ASSERT(rgb.format() == QImage::Format_RGB888);
    QImage grey(rgb.size(), QImage::Format_Grayscale8);
    if (grey.isNull())
        return grey;
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* from = rgb.constScanLine(y);
        uchar* to = grey.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x, from += kBytesPerPixel) {
            const double g = 0.3 * from[0] + 0.59 * from[1] + 0.11 * from[2];
            to[x] = static_cast<uchar>(std::clamp(roundHalfToEven(g), 0, 255));
        }
    }
    return grey;
}

} // namespace cw::printing
