#include "platform/RegistryText.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>

namespace cw::platform {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("UserRegistry", text);
}

bool needsEscape(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || c.isSurrogate();
}

QString quoted(QStringView text) {
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\";
            break;
        case u'"':
            out += u"\\\"";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\t':
            out += u"\\t";
            break;
        default:
            if (needsEscape(c))
                out += QStringLiteral("\\u") +
                       QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

// Reads a quoted text starting at pos; leaves pos after the closing quote.
std::optional<QString> unquoted(QStringView line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString out;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return out;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        switch (line[pos].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u'"':
            out += u'"';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'u': {
            bool ok = false;
            const ushort unit =
                pos + 4 < line.size() ? line.sliced(pos + 1, 4).toUShort(&ok, 16) : ushort(0);
            if (!ok)
                return std::nullopt;
            out += QChar(unit);
            pos += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<RegistryValue> parsedValue(QStringView line) {
    qsizetype pos = 0;
    auto name = unquoted(line, pos);
    if (!name || pos >= line.size() || line[pos] != u'=')
        return std::nullopt;
    ++pos;
    if (line.sliced(pos).startsWith(u"int:")) {
        bool ok = false;
        const qint32 number = line.sliced(pos + 4).toInt(&ok);
        if (!ok)
            return std::nullopt;
        return RegistryValue{*name, number};
    }
    auto text = unquoted(line, pos);
    if (!text || pos != line.size())
        return std::nullopt;
    return RegistryValue{*name, *text};
}

} // namespace

bool isValidRegistryKey(QStringView key) {
    if (key.isEmpty() || key.contains(u"\\\\"))
        return false;
    for (const QChar c : key)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate())
            return false;
    return true;
}

QByteArray registryText(const RegistryStore& store) {
    QString text = QStringLiteral("; Claimwright per-user settings, written by the program.\n");
    for (const RegistryKey& key : store) {
        text += u'[' + key.name + QStringLiteral("]\n");
        for (const RegistryValue& value : key.values) {
            text += quoted(value.name) + u'=';
            if (const auto* s = std::get_if<QString>(&value.data))
                text += quoted(*s);
            else
                text += QStringLiteral("int:") + QString::number(std::get<qint32>(value.data));
            text += u'\n';
        }
    }
    return text.toUtf8();
}

Result<RegistryStore> parseRegistryText(QByteArrayView bytes, const QString& path) {
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder(bytes);
    const auto broken = [&](qsizetype lineNumber) {
        return Error{tr("The settings file \"%1\" is damaged (line %2 is not understood); "
                        "repair or remove it.")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(lineNumber)};
    };
    if (decoder.hasError())
        return Error{tr("The settings file \"%1\" is damaged (it is not UTF-8 text); repair or "
                        "remove it.")
                         .arg(QDir::toNativeSeparators(path))};

    RegistryStore store;
    RegistryKey* current = nullptr;
    qsizetype lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QStringView name = line.sliced(1, line.size() - 2);
            if (!isValidRegistryKey(name))
                return broken(lineNumber);
            current = findNamed(store, name);
            if (!current)
                current = &store.emplace_back(RegistryKey{name.toString(), {}});
            continue;
        }
        auto value = parsedValue(line);
        if (!current || !value)
            return broken(lineNumber);
        if (RegistryValue* existing = findNamed(current->values, value->name))
            *existing = std::move(*value);
        else
            current->values.push_back(std::move(*value));
    }
    return store;
}

} // namespace cw::platform
