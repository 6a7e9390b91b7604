#include "printing/AlignmentPreview.h"

#include "printing/PageText.h"
#include "printing/PrintPositions.h"
#include "printing/Rounding.h"

#include <QPainter>

namespace cw::printing {

namespace {

constexpr double kMetresPerInch = 0.0254;

int pixels(int points, int pixelsPerInch) {
    return roundHalfToEven(static_cast<double>(points) * pixelsPerInch / 72);
}

// A blank picture of the area whose fonts come out at the area's resolution.
QImage blankArea(const PreviewArea& area) {
    QImage image(area.pixelSize(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(area.pixelsPerInch / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    return image;
}

} // namespace

QSize PreviewArea::pixelSize() const {
    return {pixels(points.width(), pixelsPerInch), pixels(points.height(), pixelsPerInch)};
}

DeviceMetrics PreviewArea::metrics() const {
    return {pixels(points.left(), pixelsPerInch), pixels(points.top(), pixelsPerInch),
            pixelsPerInch, pixelsPerInch};
}

QImage formInArea(const PreviewArea& area, const QImage& sheetPicture) {
    QImage image = blankArea(area);
    if (sheetPicture.isNull())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // As a print job draws the picture: over the whole sheet, from the sheet's corner.
    const QRect sheet = fullSheetRect(area.metrics());
    const double scaleX = static_cast<double>(sheetPicture.width()) / sheet.width();
    const double scaleY = static_cast<double>(sheetPicture.height()) / sheet.height();
    // Only the part inside the area is scaled.
    const QRectF visible = QRectF(QPointF(0, 0), QSizeF(image.size())).intersected(sheet);
    const QRectF source((visible.left() - sheet.left()) * scaleX,
                        (visible.top() - sheet.top()) * scaleY, visible.width() * scaleX,
                        visible.height() * scaleY);
    painter.drawImage(visible, sheetPicture, source);
    return image;
}

QImage sampleTextInArea(const PreviewArea& area, const QImage& background,
                        const PageOffsets& pageOffsets, const PrintJobSettings& settings) {
    QImage image = background.size() == area.pixelSize() ? background : blankArea(area);
    const int dotsPerMetre = qRound(area.pixelsPerInch / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    setUpPageText(painter, settings.font);
    drawFieldTexts(painter, area.metrics(), TextSource::sample(),
                   computePrintPositions(pageOffsets, settings.fieldOffsets), FieldLog::None);
    return image;
}

} // namespace cw::printing
