#pragma once

// Maps the form description, in points on the 612 x 792 sheet, onto one picture's pixels.
//
// The print picture is the sheet at 200 px per inch, nothing more. The screen picture was
// laid out on its own: its field rows do not sit exactly where the paper rows do (by up to
// 6 points near the bottom), so its vertical scale runs piecewise through the rows, pairing
// each print line's centre with the centre of the same fields' screen rows. Horizontally it
// is the plain 762 / 612 scale, except in the few regions the description shifts.

#include <QPointF>
#include <QRectF>

#include <vector>

namespace cw::formpicture {

// A region of the sheet that the screen picture draws moved sideways by dx points.
struct ScreenShift {
    QRectF region;
    double dx;
};

class SheetMapping {
public:
    static SheetMapping printPicture();
    // density 2 gives the high-density twin of the screen picture.
    static SheetMapping screenPicture(std::vector<ScreenShift> shifts, int density = 1);

    // x depends on y only through the screen shifts.
    double mapX(double x, double y) const;
    double mapY(double y) const;
    QPointF map(QPointF point) const { return {mapX(point.x(), point.y()), mapY(point.y())}; }
    // Scale for line weights and type sizes.
    double pixelsPerPoint() const { return m_scaleX; }

private:
    SheetMapping(double scaleX, std::vector<QPointF> yKnots, std::vector<ScreenShift> shifts);

    double m_scaleX;
    std::vector<QPointF> m_yKnots; // (points, pixels), ascending; linear beyond both ends
    std::vector<ScreenShift> m_shifts;
};

} // namespace cw::formpicture
