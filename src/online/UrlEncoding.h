#pragma once

// The encoding of text that travels in a query string or a form body: letters, digits and
// ! $ ' ( ) * - . @ _ stay, a blank becomes "+", every other byte "%" and two lower-case hex
// digits (CR LF is "%0d%0a").

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace cw::online {

QByteArray urlEncode(QByteArrayView bytes);
// The program's 8-bit text (Windows-1252) of text, encoded.
QByteArray urlEncode(QStringView text);

} // namespace cw::online
