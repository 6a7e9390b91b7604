#pragma once

// The program's small artwork: hint icon, revenue-row marker, toolbar and button pictures,
// splash and About pictures, and the three previews of the print-mode dialog.

#include <QImage>
#include <QString>

namespace cw::formpicture {

QImage hintIcon();
QImage revenueMarker();
QImage aboutIcon();
// The program's icon for the desktop, size × size pixels.
QImage programIcon(int size);
QImage splashPicture();

enum class ToolbarPicture { NewForm, Open, Save, PrintMode, Print, BatchPrinting, Faq };
QImage toolbarPicture(ToolbarPicture picture);

QImage arrowPicture(Qt::ArrowType direction);
QImage removeMark();
QImage saveButtonPicture();

// Previews of a printed sheet, from the print picture with the sample claim on it.
struct PrintPreviews {
    QImage textOnly;
    QImage blackAndWhite;
    QImage color;
};
PrintPreviews printPreviews(const QImage& printPicture);

// The print engine's grey conversion: g = 0.3 R + 0.59 G + 0.11 B.
QImage toGrey(const QImage& image);

} // namespace cw::formpicture
