#pragma once

// Where a field's text is drawn: its top-left corner in device pixels, from the field's print
// position in points, its alignment and its measured size in device pixels.

#include "printing/DeviceMetrics.h"
#include "printing/PrintPositionTable.h"

#include <QPoint>
#include <QSize>

namespace cw::printing {

QPoint textTopLeft(TextAlignment alignment, QPoint printPosition, QSize textSize,
                   const DeviceMetrics& metrics);

} // namespace cw::printing
