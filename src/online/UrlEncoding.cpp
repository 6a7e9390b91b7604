#include "online/UrlEncoding.h"

#include "model/Windows1252.h"

#include <QString>

namespace cw::online {

namespace {

bool staysUnencoded(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    switch (c) {
    case '!':
    case '$':
    case '\'':
    case '(':
    case ')':
    case '*':
    case '-':
    case '.':
    case '@':
    case '_':
        return true;
    default:
        return false;
    }
}

} // namespace

QByteArray urlEncode(QByteArrayView bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    QByteArray encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (staysUnencoded(c)) {
            encoded.append(c);
        } else if (c == ' ') {
            encoded.append('+');
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded.append('%').append(kHex[byte >> 4]).append(kHex[byte & 0x0f]);
        }
    }
    return encoded;
}

QByteArray urlEncode(QStringView text) {
    // A character the 8-bit text cannot hold travels as "?", as the system's own conversion
    // would send it; a surrogate pair is one character.
    QString sendable;
    sendable.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (model::Windows1252::canEncode(c)) {
            sendable.append(c);
            continue;
        }
        sendable.append(u'?');
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return urlEncode(model::Windows1252::encode(sendable));
}

} // namespace cw::online
