#pragma once

// What a print job reads from the printer, in device pixels: where the printable area starts on
// the sheet (device pixel 0,0 is its top-left corner) and the resolution.

#include <QRect>

class QPrinter;

namespace cw::printing {

struct DeviceMetrics {
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;
    int pixelsPerInchX = 72;
    int pixelsPerInchY = 72;
};

DeviceMetrics deviceMetrics(const QPrinter& printer);

// The whole 8.5 x 11 inch sheet in device pixels; it starts outside the printable area.
QRect fullSheetRect(const DeviceMetrics& metrics);

} // namespace cw::printing
