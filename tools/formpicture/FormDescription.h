#pragma once

// The UB-04 as one description in points on the letter-size sheet: its rules, shading and
// printed captions. Both form pictures are drawn from it (see SheetMapping for how each
// picture places a point).

#include "SheetMapping.h"

#include <QRectF>
#include <QString>

#include <vector>

namespace cw::formpicture {

enum class RuleWeight {
    Hairline, // dividers inside a box where the fields leave little room
    Thin,     // box edges
    Thick,    // the outer frame
};

// A horizontal or vertical rule.
struct Rule {
    QPointF from;
    QPointF to;
    RuleWeight weight = RuleWeight::Thin;
    // Where the screen fields overlap, a divider cannot run through their text; on the
    // screen picture it then stops short of every text area and reads as a dotted line.
    bool yieldsToScreenText = false;

    bool isHorizontal() const { return from.y() == to.y(); }
};

enum class TypeStyle {
    Caption, // the small condensed titles of the boxes
    Number,  // form locator numbers and line letters, bold
};

struct Caption {
    QRectF box;
    QString text;
    double size = 4.6; // points
    TypeStyle style = TypeStyle::Caption;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool paperOnly = false; // left off the screen picture, where its fields leave no room
};

struct FormDescription {
    std::vector<QRectF> shades;
    std::vector<Rule> rules;
    std::vector<Caption> captions;
    std::vector<ScreenShift> screenShifts;
};

// The UB-04 (CMS 1450) with its 81 form locators.
FormDescription ub04Form();

} // namespace cw::formpicture
