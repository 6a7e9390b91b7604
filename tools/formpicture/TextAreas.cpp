#include "TextAreas.h"

#include "model/FieldCatalogue.h"
#include "printing/PrintPositionTable.h"

#include <QColor>

#include <cmath>

namespace cw::formpicture {

namespace {

using model::FieldCatalogue;
using printing::TextAlignment;

// Caption label: Liberation Mono 8 pt on a 96 dpi screen.
constexpr int kLabelOffsetX = 3;
constexpr int kLabelOffsetY = 2;
constexpr double kScreenAdvance = 6.6;
constexpr int kScreenGlyphRows = 12;

// Printed text: Courier New 8 pt.
constexpr double kPrintAdvance = 4.8;
constexpr double kPrintLineHeight = 9.06;
constexpr double kPrintLargerHalfHeight = 5.0;
constexpr double kPrintSmallerHalfHeight = 4.0;

// Lighter than this in every channel counts as paper (white or shading).
constexpr int kInkThreshold = 200;

} // namespace

int textAreaCharacters(int catalogueIndex) {
    return FieldCatalogue::maxLength(catalogueIndex);
}

QRect screenTextArea(int catalogueIndex) {
    if (FieldCatalogue::isOffForm(catalogueIndex))
        return {};
    const auto& field = FieldCatalogue::entry(catalogueIndex);
    const int left = field.left + kLabelOffsetX;
    const int glyphsRight =
        left + static_cast<int>(std::ceil(kScreenAdvance * textAreaCharacters(catalogueIndex)));
    const int right = std::min(glyphsRight, field.left + field.width);
    return QRect(QPoint(left, field.top + kLabelOffsetY), QSize(right - left, kScreenGlyphRows));
}

QRect printTextArea(int catalogueIndex) {
    const printing::PrintPosition position = printing::printPosition(catalogueIndex);
    if (!position.isPrinted())
        return {};
    const double width = kPrintAdvance * textAreaCharacters(catalogueIndex);
    double left = position.x;
    if (position.alignment == TextAlignment::Right)
        left -= width;
    else if (position.alignment == TextAlignment::Center)
        left -= width / 2;
    const double top = position.y - kPrintLargerHalfHeight;
    const double bottom = position.y - kPrintSmallerHalfHeight + kPrintLineHeight;
    const auto px = [](double points) {
        return points * kPrintPixelsPerPoint;
    };
    const QPoint topLeft(static_cast<int>(std::floor(px(left))),
                         static_cast<int>(std::floor(px(top))));
    const QPoint pastBottomRight(static_cast<int>(std::ceil(px(left + width))),
                                 static_cast<int>(std::ceil(px(bottom))));
    return QRect(topLeft,
                 QSize(pastBottomRight.x() - topLeft.x(), pastBottomRight.y() - topLeft.y()));
}

QRect textArea(Picture picture, int catalogueIndex) {
    return picture == Picture::Screen ? screenTextArea(catalogueIndex)
                                      : printTextArea(catalogueIndex);
}

bool isInk(QRgb pixel) {
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < kInkThreshold;
}

std::vector<InkedTextArea> inkedTextAreas(const QImage& image, Picture picture) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<InkedTextArea> inked;
    for (int i = 0; i < model::kFieldCount; ++i) {
        const QRect area = textArea(picture, i);
        if (area.isEmpty())
            continue;
        InkedTextArea found{i, area, {}, 0};
        const QRect inside = area.intersected(rgb.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (!isInk(line[x]))
                    continue;
                if (found.inkPixels++ == 0)
                    found.firstInk = QPoint(x, y);
            }
        }
        // An area that runs off the picture cannot be kept clear either.
        if (found.inkPixels > 0 || inside != area)
            inked.push_back(found);
    }
    return inked;
}

} // namespace cw::formpicture
