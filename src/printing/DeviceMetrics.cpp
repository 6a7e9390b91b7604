#include "printing/DeviceMetrics.h"

#include "printing/Rounding.h"

#include <QPrinter>

namespace cw::printing {

DeviceMetrics deviceMetrics(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    return {qRound(page.left() - paper.left()), qRound(page.top() - paper.top()),
            printer.resolution(), printer.resolution()};
}

QRect fullSheetRect(const DeviceMetrics& metrics) {
    return QRect(-metrics.physicalOffsetX, -metrics.physicalOffsetY,
                 roundHalfToEven(8.5 * metrics.pixelsPerInchX), 11 * metrics.pixelsPerInchY);
}

} // namespace cw::printing
