#pragma once

// Bending the print picture by the page offsets, so that it stays with the text when the user
// aligns the text for pre-printed forms: the picture is cut into square tiles and each is
// stretched onto its tile's borders as the page offsets move them. Plain functions over
// QImage buffers in Format_RGB888.

#include "printing/PageOffsets.h"

#include <QImage>

#include <vector>

namespace cw::printing {

// The print picture: the whole sheet at 200 pixels per inch, cut into 17 x 22 tiles.
inline constexpr int kPictureTileSize = 100;
inline constexpr int kPictureColumns = 17;
inline constexpr int kPictureRows = 22;
inline constexpr int kPictureWidth = kPictureColumns * kPictureTileSize;
inline constexpr int kPictureHeight = kPictureRows * kPictureTileSize;

// How far the picture is moved against the text while it is drawn, in points, on the three
// vertical anchors it touches. The older form picture needed V1 - 1, V3 + 1 and V4 + 3 to meet
// its text; ours is drawn to the print position table itself, so those shifts would put the
// lower half of the form up to 3 points off the text. It stays at none.
struct PictureAdjustment {
    int v1 = 0;
    int v3 = 0;
    int v4 = 0;
};
inline constexpr PictureAdjustment kPictureAdjustment{};

PageOffsets adjustedForPicture(PageOffsets offsets, PictureAdjustment adjustment);

// Tile borders in picture pixels: x.size() is the column count + 1, y.size() the row count + 1.
struct TileBorders {
    std::vector<int> x;
    std::vector<int> y;

    bool operator==(const TileBorders&) const = default;
};

// The borders of the print picture's tiles for these page offsets; with no offsets, every
// border lies on its tile's edge.
TileBorders pictureTileBorders(const PageOffsets& offsets);

// Copies tile (i, j) of the source, tileSize pixels square, onto the rectangle between borders
// i, i + 1 and j, j + 1, nearest pixel, row by row from the top and left to right: later tiles
// overwrite earlier ones, gaps stay white, and what falls outside the picture is lost. The
// source must be exactly the tiles' size. Borders on the tile edges give the source back.
QImage warpTiles(const QImage& source, int tileSize, const TileBorders& borders);

// g = round(0.3 R + 0.59 G + 0.11 B) for every pixel, as a grey-scale image.
QImage toGrey(const QImage& rgb);

} // namespace cw::printing
