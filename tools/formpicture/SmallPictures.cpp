#include "SmallPictures.h"

#include "FormRenderer.h"
#include "SampleOverlay.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace cw::formpicture {

namespace {

const QColor kOutline(60, 60, 70);
const QColor kPaper(255, 255, 255);
const QColor kFormRed = QColor::fromRgb(kDropoutRed);
const QColor kBlue(40, 100, 180);

QImage transparentCanvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage draw(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image = transparentCanvas(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

// A sheet with a folded corner and a few red form lines, the program's own symbol.
void paintSheet(QPainter& p, const QRectF& r) {
    const double fold = r.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.setPen(QPen(kFormRed, std::max(1.0, r.width() / 18)));
    const int lines = 4;
    for (int i = 1; i <= lines; ++i) {
        const double y = r.top() + fold + (r.height() - fold) * i / (lines + 1);
        p.drawLine(QPointF(r.left() + r.width() * 0.18, y),
                   QPointF(r.right() - r.width() * 0.18, y));
    }
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(220, 220, 225));
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.drawPath(corner);
}

void paintFloppy(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(kBlue);
    p.drawRoundedRect(r, r.width() / 10, r.width() / 10);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.5, r.width() * 0.6,
                      r.height() * 0.42));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(r.left() + r.width() * 0.28, r.top(), r.width() * 0.44, r.height() * 0.32));
}

void paintPrinter(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.22, r.top(), r.width() * 0.56, r.height() * 0.4));
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.32, r.width(), r.height() * 0.42),
                      2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.6, r.width() * 0.56,
                      r.height() * 0.4));
    p.setPen(QPen(kFormRed, 1.0));
    for (const double f : {0.74, 0.86})
        p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * f),
                   QPointF(r.right() - r.width() * 0.3, r.top() + r.height() * f));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 90));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.12, r.top() + r.height() * 0.44), 1.2, 1.2);
}

void paintTriangle(QPainter& p, const QPointF& a, const QPointF& b, const QPointF& c,
                   const QColor& colour) {
    p.setPen(QPen(colour.darker(130), 1.0));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({a, b, c}));
}

QImage newFormIcon() {
    return draw({24, 24}, [](QPainter& p) {
        paintSheet(p, QRectF(3.5, 1.5, 15, 20));
        p.setPen(QPen(QColor(230, 160, 0), 2.0));
        const QPointF c(18.5, 17.5);
        p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
        p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
    });
}

QImage openIcon() {
    return draw({24, 24}, [](QPainter& p) {
        p.setPen(QPen(kOutline, 1.0));
        p.setBrush(QColor(235, 190, 80));
        p.drawPolygon(QPolygonF({QPointF(1.5, 5.5), QPointF(8.5, 5.5), QPointF(10.5, 7.5),
                                 QPointF(20.5, 7.5), QPointF(20.5, 20.5), QPointF(1.5, 20.5)}));
        p.setBrush(QColor(250, 215, 120));
        p.drawPolygon(QPolygonF(
            {QPointF(4.5, 10.5), QPointF(23.0, 10.5), QPointF(19.5, 20.5), QPointF(1.5, 20.5)}));
    });
}

QImage saveIcon(int size) {
    return draw({size, size}, [size](QPainter& p) {
        const double m = size / 12.0;
        paintFloppy(p, QRectF(m + 0.5, m + 0.5, size - 2 * m - 1, size - 2 * m - 1));
    });
}

QImage printModeIcon() {
    return draw({24, 24}, [](QPainter& p) {
        paintSheet(p, QRectF(1.5, 1.5, 14, 19));
        p.setPen(QPen(kOutline, 1.0));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9.5, 7.5, 13, 15));
        p.setPen(QPen(Qt::black, 1.0));
        for (const double y : {11.5, 14.5, 17.5})
            p.drawLine(QPointF(12, y), QPointF(20, y));
    });
}

QImage printIcon() {
    return draw({24, 24}, [](QPainter& p) { paintPrinter(p, QRectF(1.5, 2.5, 21, 19)); });
}

QImage batchPrintingIcon() {
    return draw({24, 24}, [](QPainter& p) {
        paintSheet(p, QRectF(8.5, 0.5, 11, 14));
        paintSheet(p, QRectF(5.5, 2.5, 11, 14));
        paintPrinter(p, QRectF(1.5, 10.5, 19, 12));
    });
}

QImage faqIcon() {
    return draw({24, 24}, [](QPainter& p) {
        p.setPen(QPen(QColor(20, 70, 140), 1.0));
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(16);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(1.5, 1.5, 21, 21), Qt::AlignCenter, QStringLiteral("?"));
    });
}

// A page of the given picture, shrunk onto the preview's grey desk with a shadow.
QImage pagePreview(const QImage& page) {
    QImage preview(87, 81, QImage::Format_RGB32);
    preview.fill(QColor(236, 236, 236));
    QPainter p(&preview);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect sheet(13, 2, 60, 77);
    p.fillRect(sheet.translated(2, 2), QColor(170, 170, 170));
    p.drawImage(sheet, page.scaled(sheet.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.setPen(QColor(120, 120, 120));
    p.drawRect(sheet.adjusted(0, 0, -1, -1));
    return preview;
}

} // namespace

QImage hintIcon() {
    return draw({24, 15}, [](QPainter& p) {
        p.setPen(QPen(QColor(20, 70, 140), 1.0));
        p.setBrush(QColor(255, 246, 170));
        p.drawRoundedRect(QRectF(0.5, 0.5, 23, 14), 3, 3);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(8);
        p.setFont(font);
        p.setPen(QColor(20, 70, 140));
        p.drawText(QRectF(0, 0, 24, 15), Qt::AlignCenter, QStringLiteral("Help"));
    });
}

QImage revenueMarker() {
    return draw({10, 10}, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 57, 0));
        p.drawPolygon(QPolygonF({QPointF(0.5, 0.5), QPointF(9.5, 5.0), QPointF(0.5, 9.5)}));
    });
}

QImage arrowPicture(Qt::ArrowType direction) {
    return draw({16, 16}, [direction](QPainter& p) {
        const QColor colour(50, 90, 160);
        switch (direction) {
        case Qt::UpArrow:
            paintTriangle(p, {8, 3.5}, {14, 12}, {2, 12}, colour);
            break;
        case Qt::DownArrow:
            paintTriangle(p, {2, 4}, {14, 4}, {8, 12.5}, colour);
            break;
        case Qt::LeftArrow:
            paintTriangle(p, {3.5, 8}, {12, 2}, {12, 14}, colour);
            break;
        default:
            paintTriangle(p, {4, 2}, {12.5, 8}, {4, 14}, colour);
            break;
        }
    });
}

QImage removeMark() {
    return draw({16, 16}, [](QPainter& p) {
        p.setPen(QPen(QColor(200, 30, 30), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}

QImage programIcon(int size) {
    return draw({size, size}, [size](QPainter& p) {
        p.scale(size / 32.0, size / 32.0);
        paintSheet(p, QRectF(5.5, 1.5, 21, 29));
    });
}

QImage aboutIcon() {
    return programIcon(32);
}

QImage toolbarPicture(ToolbarPicture picture) {
    switch (picture) {
    case ToolbarPicture::NewForm:
        return newFormIcon();
    case ToolbarPicture::Open:
        return openIcon();
    case ToolbarPicture::Save:
        return saveIcon(24);
    case ToolbarPicture::PrintMode:
        return printModeIcon();
    case ToolbarPicture::Print:
        return printIcon();
    case ToolbarPicture::BatchPrinting:
        return batchPrintingIcon();
    case ToolbarPicture::Faq:
        return faqIcon();
    }
    return {};
}

QImage saveButtonPicture() {
    return saveIcon(16);
}

// White panel in a reddish frame; the title and version lines are drawn over the upper part
// by the splash window, the rule and the lower band sit below them.
QImage splashPicture() {
    QImage image(393, 251, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QColor frame(196, 52, 52);
    p.fillRect(QRect(0, 0, 393, 251), frame);
    p.fillRect(QRect(5, 5, 383, 241), Qt::white);
    p.fillRect(QRect(5, 186, 383, 60), QColor::fromRgb(kShadeTint));
    p.fillRect(QRect(20, 178, 353, 2), frame);
    p.setRenderHint(QPainter::Antialiasing);
    paintSheet(p, QRectF(30.5, 194.5, 30, 44));
    return image;
}

QImage toGrey(const QImage& image) {
    QImage grey = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = line[x];
            const int g = static_cast<int>(
                std::nearbyint(0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c)));
            line[x] = qRgb(g, g, g);
        }
    }
    return grey;
}

PrintPreviews printPreviews(const QImage& printPicture) {
    QImage textOnly(printPicture.size(), QImage::Format_RGB32);
    textOnly.fill(Qt::white);
    drawSampleOnPrintPicture(textOnly);
    QImage filled = printPicture.convertToFormat(QImage::Format_RGB32);
    drawSampleOnPrintPicture(filled);
    return {pagePreview(textOnly), pagePreview(toGrey(filled)), pagePreview(filled)};
}

} // namespace cw::formpicture
