#pragma once

// A part of the sheet as the alignment test print would put the sample claim onto a
// pre-printed form: the form where it lies on the paper (a pre-printed form does not move, so
// its picture is never bent), and the sample text where a text-only job with the given page
// offsets and the job settings' field offsets and font prints it. The text is placed by the
// print engine's own geometry and drawn by its own text pass, on a picture of the area.

#include "printing/DeviceMetrics.h"
#include "printing/PageOffsets.h"
#include "printing/PrintJobSettings.h"

#include <QImage>
#include <QRect>

namespace cw::printing {

struct PreviewArea {
    QRect points;      // the part of the sheet, in points from its top-left corner
    int pixelsPerInch; // the picture's resolution

    QSize pixelSize() const;
    // The picture as a printer whose printable area starts at the area's corner.
    DeviceMetrics metrics() const;
};

// The form picture of the whole sheet (any size; the print picture is 1700 x 2200) cut to the
// area; white where there is none.
QImage formInArea(const PreviewArea& area, const QImage& sheetPicture);

// The background (formInArea's picture) with the sample text over it.
QImage sampleTextInArea(const PreviewArea& area, const QImage& background,
                        const PageOffsets& pageOffsets, const PrintJobSettings& settings);

} // namespace cw::printing
