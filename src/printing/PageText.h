#pragma once

// Drawing the fields' texts on a page: the one text pass of every print job, and of the
// printer-alignment dialog's preview, which draws a part of the page the same way.

#include "printing/DeviceMetrics.h"
#include "printing/PrintJobSettings.h"
#include "printing/PrintPositions.h"
#include "printing/TextSource.h"

class QPainter;

namespace cw::printing {

// The print font ("Courier New" in the job's size and weight), black, without background.
void setUpPageText(QPainter& painter, const PrintFont& printFont);

enum class FieldLog {
    EachField, // a print job logs every field it prints, in catalogue order
    None,
};

// Every printed field's text at its print position, the device given by its metrics.
void drawFieldTexts(QPainter& painter, const DeviceMetrics& metrics, const TextSource& source,
                    const PrintPositions& positions, FieldLog log);

} // namespace cw::printing
