#include "FormRenderer.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace cw::formpicture {

namespace {

double weightInPoints(RuleWeight weight) {
    switch (weight) {
    case RuleWeight::Hairline:
        return 0.4;
    case RuleWeight::Thin:
        return 0.7;
    case RuleWeight::Thick:
        return 1.5;
    }
    return 0.7;
}

int thicknessInPixels(RuleWeight weight, double pixelsPerPoint) {
    return std::max(1, static_cast<int>(std::lround(weightInPoints(weight) * pixelsPerPoint)));
}

// The whole pixels a rule of the given thickness covers across its centre line.
std::pair<int, int> pixelSpan(double centre, int thickness) {
    const int first = static_cast<int>(std::floor(centre - thickness / 2.0 + 0.5));
    return {first, first + thickness};
}

QRect ruleRect(const Rule& rule, const SheetMapping& mapping) {
    const int thickness = thicknessInPixels(rule.weight, mapping.pixelsPerPoint());
    const double midY = (rule.from.y() + rule.to.y()) / 2;
    if (rule.isHorizontal()) {
        const auto [top, bottom] = pixelSpan(mapping.mapY(rule.from.y()), thickness);
        // Run on by half the frame's thickness so that corners close.
        const int overrun = thicknessInPixels(RuleWeight::Thick, mapping.pixelsPerPoint()) / 2;
        const int left = static_cast<int>(std::lround(mapping.mapX(rule.from.x(), midY))) - overrun;
        const int right = static_cast<int>(std::lround(mapping.mapX(rule.to.x(), midY))) + overrun;
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    const auto [left, right] = pixelSpan(mapping.mapX(rule.from.x(), midY), thickness);
    const int top = static_cast<int>(std::lround(mapping.mapY(rule.from.y())));
    const int bottom = static_cast<int>(std::lround(mapping.mapY(rule.to.y())));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QFont captionFont(const Caption& caption, double pixelsPerPoint, const QPaintDevice& device) {
    QFont font(captionFamily());
    font.setBold(caption.style == TypeStyle::Number);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(caption.size * pixelsPerPoint * 72.0 / device.logicalDpiY());
    return font;
}

// Condensed further where a title would not fit its box, as the printed form does.
void drawCaption(QPainter& painter, const Caption& caption, const SheetMapping& mapping) {
    const QPointF centre = caption.box.center();
    const double left = mapping.mapX(caption.box.left(), centre.y());
    const double right = mapping.mapX(caption.box.right(), centre.y());
    const double top = mapping.mapY(caption.box.top());
    const double bottom = mapping.mapY(caption.box.bottom());

    const QFont font = captionFont(caption, mapping.pixelsPerPoint(), *painter.device());
    const QFontMetricsF metrics(font, painter.device());
    const double width = metrics.horizontalAdvance(caption.text);
    const double squeeze = std::min(1.0, (right - left) / width);
    const double shownWidth = width * squeeze;

    double x = left;
    if (caption.alignment & Qt::AlignHCenter)
        x = (left + right - shownWidth) / 2;
    else if (caption.alignment & Qt::AlignRight)
        x = right - shownWidth;
    const double capHeight = metrics.capHeight();
    double baseline = top + capHeight;
    if (caption.alignment & Qt::AlignVCenter)
        baseline = (top + bottom + capHeight) / 2;

    painter.save();
    painter.setFont(font);
    painter.translate(x, baseline);
    painter.scale(squeeze, 1.0);
    painter.drawText(QPointF(0, 0), caption.text);
    painter.restore();
}

} // namespace

QString captionFamily() {
    return QStringLiteral("DejaVu Sans Condensed");
}

QImage renderForm(const FormDescription& form, const RenderTarget& target) {
    QImage image(target.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const SheetMapping& mapping = target.mapping;

    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    for (const QRectF& shade : form.shades) {
        const double midY = shade.center().y();
        const QPoint topLeft(static_cast<int>(std::lround(mapping.mapX(shade.left(), midY))),
                             static_cast<int>(std::lround(mapping.mapY(shade.top()))));
        const QPoint bottomRight(static_cast<int>(std::lround(mapping.mapX(shade.right(), midY))) -
                                     1,
                                 static_cast<int>(std::lround(mapping.mapY(shade.bottom()))) - 1);
        painter.fillRect(QRect(topLeft, bottomRight), QColor::fromRgb(kShadeTint));
    }
    for (const Rule& rule : form.rules) {
        const QRect rect = ruleRect(rule, mapping);
        if (rule.yieldsToScreenText && !target.yieldTo.isEmpty()) {
            for (const QRect& piece : QRegion(rect).subtracted(target.yieldTo))
                painter.fillRect(piece, QColor::fromRgb(kDropoutRed));
        } else {
            painter.fillRect(rect, QColor::fromRgb(kDropoutRed));
        }
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor::fromRgb(kDropoutRed));
    for (const Caption& caption : form.captions) {
        if (!(caption.paperOnly && target.isScreen))
            drawCaption(painter, caption, mapping);
    }
    return image;
}

} // namespace cw::formpicture
