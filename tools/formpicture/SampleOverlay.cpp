#include "SampleOverlay.h"

#include "TextAreas.h"
#include "model/FieldCatalogue.h"
#include "printing/PrintPositionTable.h"
#include "printing/SampleClaimText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace cw::formpicture {

namespace {

QFont claimFont(double pixelSize, const QPaintDevice& device) {
    QFont font(claimTextFamily());
    font.setPointSizeF(pixelSize * 72.0 / device.logicalDpiY());
    return font;
}

} // namespace

QString claimTextFamily() {
    return QStringLiteral("Liberation Mono");
}

void drawSampleOnScreenPicture(QImage& screenPicture) {
    QPainter painter(&screenPicture);
    // 8 pt on a 96 dpi screen, rounded to whole pixels as the toolkit does.
    painter.setFont(claimFont(11.0, screenPicture));
    painter.setPen(Qt::black);
    for (int i = 0; i < model::kFieldCount; ++i) {
        const auto& field = model::FieldCatalogue::entry(i);
        if (field.width == 0)
            continue;
        const QRect label(field.left + 3, field.top + 2, field.width, model::kFieldHeight);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop, printing::sampleText(i));
    }
}

// Places each text as the print engine does: top at y minus half the measured line height.
void drawSampleOnPrintPicture(QImage& printPicture) {
    QPainter painter(&printPicture);
    const QFont font = claimFont(8.0 * kPrintPixelsPerPoint, printPicture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &printPicture);
    const double halfHeight = std::nearbyint(metrics.height() / 2 / kPrintPixelsPerPoint);
    for (int i = 0; i < model::kFieldCount; ++i) {
        const printing::PrintPosition position = printing::printPosition(i);
        if (!position.isPrinted())
            continue;
        const QString text = printing::sampleText(i);
        const double width = metrics.horizontalAdvance(text) / kPrintPixelsPerPoint;
        double x = position.x;
        if (position.alignment == printing::TextAlignment::Right)
            x -= std::nearbyint(width);
        else if (position.alignment == printing::TextAlignment::Center)
            x -= std::nearbyint(width / 2);
        const QPointF topLeft(x * kPrintPixelsPerPoint,
                              (position.y - halfHeight) * kPrintPixelsPerPoint);
        painter.drawText(QRectF(topLeft, QSizeF(printPicture.width(), metrics.height())),
                         Qt::AlignLeft | Qt::AlignTop, text);
    }
}

} // namespace cw::formpicture
