#include "printing/TextPlacement.h"

#include "printing/Rounding.h"

namespace cw::printing {

namespace {

double d(int value) {
    return static_cast<double>(value);
}

} // namespace

QPoint textTopLeft(TextAlignment alignment, QPoint printPosition, QSize textSize,
                   const DeviceMetrics& m) {
    const int halfHeight = roundHalfToEven(d(textSize.height()) / 2 / d(m.pixelsPerInchY) * 72);
    int widthToSubtract = 0;
    if (alignment == TextAlignment::Right)
        widthToSubtract = roundHalfToEven(d(textSize.width()) / d(m.pixelsPerInchX) * 72);
    else if (alignment == TextAlignment::Center)
        widthToSubtract = roundHalfToEven(d(textSize.width()) / d(m.pixelsPerInchX) * 72 / 2);
    const int x =
        roundHalfToEven(d(printPosition.x() - widthToSubtract) / 72 * d(m.pixelsPerInchX)) -
        m.physicalOffsetX;
    const int y = roundHalfToEven(d(printPosition.y() - halfHeight) / 72 * d(m.pixelsPerInchY)) -
                  m.physicalOffsetY;
    return QPoint(x, y);
}

} // namespace cw::printing
