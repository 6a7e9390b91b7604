#include "model/Windows1252.h"

#include <QCoreApplication>

#include <array>

namespace cw::model {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int kHighFirst = 0x80;
constexpr int kHighEnd = 0xA0;

// The byte for c, or -1.
int byteOf(char16_t c) {
    if (c < kHighFirst || (c >= kHighEnd && c <= 0xFF)) {
        // 0x80-0x9F as characters are only encodable where the code page maps a byte to them.
        return c;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return kHighFirst + static_cast<int>(i);
    return -1;
}

} // namespace

QString Windows1252::decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char raw : bytes) {
        const auto b = static_cast<unsigned char>(raw);
        *out++ = QChar(b >= kHighFirst && b < kHighEnd ? kHighControls[b - kHighFirst]
                                                       : static_cast<char16_t>(b));
    }
    return text;
}

bool Windows1252::canEncode(QChar c) {
    return byteOf(c.unicode()) >= 0;
}

qsizetype Windows1252::firstUnencodable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!canEncode(text[i]))
            return i;
    return -1;
}

QByteArray Windows1252::encode(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int b = byteOf(c.unicode());
        Q_ASSERT(b >= 0);
        *out++ = static_cast<char>(b);
    }
    return bytes;
}

QString Windows1252::describeCharacterAt(QStringView text, qsizetype position) {
    const QChar first = text[position];
    const bool pair = first.isHighSurrogate() && position + 1 < text.size() &&
                      text[position + 1].isLowSurrogate();
    const char32_t code =
        pair ? QChar::surrogateToUcs4(first, text[position + 1]) : char32_t(first.unicode());
    const QString shown =
        first.isSurrogate() && !pair ? QString() : text.sliced(position, pair ? 2 : 1).toString();
    const QString hex =
        QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0');
    return QCoreApplication::translate("Windows1252", "“%1” (U+%2)").arg(shown, hex);
}

} // namespace cw::model
