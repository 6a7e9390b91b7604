#pragma once

// The sample claim laid over a form picture the way the program shows it on screen (caption
// labels) or prints it (print positions), for looking at the pictures as a clerk would.

#include <QImage>
#include <QString>

namespace cw::formpicture {

// Liberation Mono stands in for Courier New, as in the program.
QString claimTextFamily();

void drawSampleOnScreenPicture(QImage& screenPicture);
void drawSampleOnPrintPicture(QImage& printPicture);

} // namespace cw::formpicture
