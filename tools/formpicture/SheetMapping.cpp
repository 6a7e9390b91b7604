#include "SheetMapping.h"

#include "TextAreas.h"
#include "model/FieldCatalogue.h"
#include "printing/PrintPositionTable.h"

#include <algorithm>
#include <map>

namespace cw::formpicture {

namespace {

constexpr double kScreenPixelsPerPoint = 762.0 / 612.0;

// Pairs each print line's y with the mean centre of the same fields' screen glyph bands.
// Lines a point apart (a field printed one point lower than its row) count as one.
std::vector<QPointF> screenRowKnots() {
    std::map<int, std::pair<double, int>> screenCentres; // print y -> (sum, count)
    for (int i = 0; i < model::kFieldCount; ++i) {
        const printing::PrintPosition position = printing::printPosition(i);
        if (!position.isPrinted())
            continue;
        const QRect band = screenTextArea(i);
        auto& [sum, count] = screenCentres[position.y];
        sum += band.top() + band.height() / 2.0;
        ++count;
    }
    std::vector<QPointF> knots;
    for (const auto& [y, centre] : screenCentres) {
        const QPointF knot(y, centre.first / centre.second);
        if (!knots.empty() && y - knots.back().x() <= 1.0)
            knots.back() = (knots.back() + knot) / 2;
        else
            knots.push_back(knot);
    }
    return knots;
}

} // namespace

SheetMapping::SheetMapping(double scaleX, std::vector<QPointF> yKnots,
                           std::vector<ScreenShift> shifts)
    : m_scaleX(scaleX)
    , m_yKnots(std::move(yKnots))
    , m_shifts(std::move(shifts)) {}

SheetMapping SheetMapping::printPicture() {
    return SheetMapping(kPrintPixelsPerPoint, {{0.0, 0.0}}, {});
}

SheetMapping SheetMapping::screenPicture(std::vector<ScreenShift> shifts, int density) {
    std::vector<QPointF> knots = screenRowKnots();
    for (QPointF& knot : knots)
        knot.ry() *= density;
    return SheetMapping(kScreenPixelsPerPoint * density, std::move(knots), std::move(shifts));
}

double SheetMapping::mapX(double x, double y) const {
    for (const ScreenShift& shift : m_shifts) {
        if (shift.region.contains(x, y))
            return (x + shift.dx) * m_scaleX;
    }
    return x * m_scaleX;
}

double SheetMapping::mapY(double y) const {
    const auto after = std::find_if(m_yKnots.begin(), m_yKnots.end(),
                                    [y](const QPointF& knot) { return knot.x() > y; });
    if (after == m_yKnots.begin())
        return after->y() - (after->x() - y) * m_scaleX;
    const QPointF below = *(after - 1);
    if (after == m_yKnots.end())
        return below.y() + (y - below.x()) * m_scaleX;
    const double t = (y - below.x()) / (after->x() - below.x());
    return below.y() + t * (after->y() - below.y());
}

} // namespace cw::formpicture
