#pragma once

// JPEG decoding with libjpeg-turbo into 24-bit RGB. Corrupt data is an error, never a picture
// with grey or missing parts.

#include "platform/Result.h"

#include <QByteArray>
#include <QImage>

namespace cw::printing {

// A QImage in Format_RGB888.
Result<QImage> decodeJpeg(const QByteArray& bytes);

} // namespace cw::printing
