#include "printing/PageText.h"

#include "printing/PrintLog.h"
#include "printing/PrintPositionTable.h"
#include "printing/TextPlacement.h"

#include <QFontMetrics>
#include <QPainter>

namespace cw::printing {

namespace {

QString fieldLogLine(int catalogueIndex, const QString& text) {
    return QStringLiteral("PrintText field:/") +
           QStringLiteral("%1").arg(catalogueIndex + 1, 3, 10, QLatin1Char('0')) +
           QStringLiteral("/ text:'") + text + u'\'';
}

} // namespace

void setUpPageText(QPainter& painter, const PrintFont& printFont) {
    // Courier New as the insurers expect; fontconfig stands Liberation Mono in where it is
    // missing, and the hint keeps any other stand-in fixed-pitch.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(printFont.size);
    font.setBold(printFont.bold);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);
}

void drawFieldTexts(QPainter& painter, const DeviceMetrics& metrics, const TextSource& source,
                    const PrintPositions& positions, FieldLog log) {
    const QFontMetrics fontMetrics = painter.fontMetrics();
    for (int i = 0; i < model::kFieldCount; ++i) {
        const QString text = fieldPrintText(i, source);
        if (log == FieldLog::EachField)
            printLog(fieldLogLine(i, text));
        const PrintPosition table = printPosition(i);
        if (!table.isPrinted())
            continue;
        const QSize size(fontMetrics.horizontalAdvance(text), fontMetrics.height());
        const QPoint topLeft = textTopLeft(table.alignment, positions.at(i), size, metrics);
        painter.drawText(topLeft + QPoint(0, fontMetrics.ascent()), text);
    }
}

} // namespace cw::printing
