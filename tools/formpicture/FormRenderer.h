#pragma once

// Draws the form description onto a picture: dropout-red rules and captions on white, the
// rules snapped to whole pixels so that they stay crisp and never bleed into a text area.

#include "FormDescription.h"
#include "SheetMapping.h"

#include <QColor>
#include <QImage>
#include <QRegion>

namespace cw::formpicture {

inline constexpr QRgb kDropoutRed = qRgb(220, 38, 44);
inline constexpr QRgb kShadeTint = qRgb(253, 229, 226);

struct RenderTarget {
    SheetMapping mapping;
    QSize size;
    // Pixels that dividers marked as yielding keep clear of (the screen text areas).
    QRegion yieldTo;
    bool isScreen = false;
};

QImage renderForm(const FormDescription& form, const RenderTarget& target);

// The condensed sans of captions and numbers; the generator refuses to draw without it.
QString captionFamily();

} // namespace cw::formpicture
