#pragma once

// Where a field's text appears on each form picture. The form pictures are drawn so that no
// ink falls into these areas; the generator checks it and so does the resource test.
//
// Screen picture (762 x 986): the caption label sits at (left + 3, top + 2) and draws its text
// top-aligned in Liberation Mono 8 pt (11 px em, 6.6 px advance, 9.2 px ascent + 3.3 px
// descent). The area is the label's glyph band, 12 rows from the label's top, as wide as the
// field's maximum length of characters, cut off at the field's right edge.
//
// Print picture (1700 x 2200, 200 px per inch): the engine draws Courier New 8 pt (4.8 pt
// advance, 9.06 pt line) with its top at y - h, where h is half the line rounded on the
// printer's pixels: 4 or 5 points. The area is the line box for either h, as wide as the
// field's maximum length of characters, anchored at x as the alignment says.

#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

namespace cw::formpicture {

inline constexpr QSize kScreenPictureSize{762, 986};
inline constexpr QSize kPrintPictureSize{1700, 2200};
inline constexpr double kPrintPixelsPerPoint = 200.0 / 72.0;

enum class Picture { Screen, Print };

// Characters the text area holds: the field's maximum length.
int textAreaCharacters(int catalogueIndex);

// Empty for the 28 fields that have no place on the form.
QRect screenTextArea(int catalogueIndex);
QRect printTextArea(int catalogueIndex);
QRect textArea(Picture picture, int catalogueIndex);

// Ink is anything visibly coloured: rules and captions, not the light shading of a band.
bool isInk(QRgb pixel);

struct InkedTextArea {
    int catalogueIndex;
    QRect area;
    QPoint firstInk;
    int inkPixels;
};

// The text areas of the given picture that hold ink, in catalogue order.
std::vector<InkedTextArea> inkedTextAreas(const QImage& image, Picture picture);

} // namespace cw::formpicture
