#include "platform/UserRegistry.h"

#include "platform/FileAccess.h"
#include "platform/KnownFolders.h"
#include "platform/ReadIfPresent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <vector>

namespace cw::platform {

namespace {

// The store holds a few settings; a file this large was not written by the program.
constexpr qint64 kMaxStoreBytes = 4 * 1024 * 1024;

QString tr(const char* text) {
    return QCoreApplication::translate("UserRegistry", text);
}

struct StoredValue {
    QString name;
    std::variant<QString, qint32> data;
};

struct StoredKey {
    QString name;
    std::vector<StoredValue> values;
};

using Store = std::vector<StoredKey>;

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

template <typename Item>
Item* findNamed(std::vector<Item>& items, QStringView name) {
    for (Item& item : items)
        if (sameName(item.name, name))
            return &item;
    return nullptr;
}

// "\Software\Quillmark\" and "Software\Quillmark" name the same key.
QString normalisedKey(QStringView key) {
    while (key.startsWith(u'\\'))
        key = key.sliced(1);
    while (key.endsWith(u'\\'))
        key.chop(1);
    return key.toString();
}

// Key names are written unquoted between brackets, so they must stay on one line and be
// plain UTF-8.
bool isValidKey(QStringView key) {
    if (key.isEmpty() || key.contains(u"\\\\"))
        return false;
    for (const QChar c : key)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate())
            return false;
    return true;
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

QString serialised(const Store& store) {
    QString text = QStringLiteral("; Claimwright per-user settings, written by the program.\n");
    for (const StoredKey& key : store) {
        text += u'[' + key.name + QStringLiteral("]\n");
        for (const StoredValue& value : key.values) {
            text += quoted(value.name) + u'=';
            if (const auto* s = std::get_if<QString>(&value.data))
                text += quoted(*s);
            else
                text += QStringLiteral("int:") + QString::number(std::get<qint32>(value.data));
            text += u'\n';
        }
    }
    return text;
}

std::optional<StoredValue> parsedValue(QStringView line) {
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
        return StoredValue{*name, number};
    }
    auto text = unquoted(line, pos);
    if (!text || pos != line.size())
        return std::nullopt;
    return StoredValue{*name, *text};
}

Result<Store> parsed(const QByteArray& bytes, const QString& path) {
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

    Store store;
    StoredKey* current = nullptr;
    qsizetype lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QStringView name = line.sliced(1, line.size() - 2);
            if (!isValidKey(name))
                return broken(lineNumber);
            current = findNamed(store, name);
            if (!current)
                current = &store.emplace_back(StoredKey{name.toString(), {}});
            continue;
        }
        auto value = parsedValue(line);
        if (!current || !value)
            return broken(lineNumber);
        if (StoredValue* existing = findNamed(current->values, value->name))
            *existing = std::move(*value);
        else
            current->values.push_back(std::move(*value));
    }
    return store;
}

} // namespace

UserRegistry::UserRegistry()
    : UserRegistry(userConfigFolder() + QStringLiteral("registry.txt")) {}

UserRegistry::UserRegistry(QString filePath)
    : m_filePath(std::move(filePath)) {}

Result<std::optional<UserRegistry::Data>> UserRegistry::read(QStringView key,
                                                             QStringView name) const {
    auto bytes = readFileIfPresent(m_filePath, kMaxStoreBytes, &m_lastErrorCode);
    if (!bytes)
        return Error{bytes.error()};
    if (!bytes->has_value())
        return std::optional<Data>();
    auto store = parsed(**bytes, m_filePath);
    if (!store)
        return Error{store.error()};
    Store stored = std::move(store).value();
    StoredKey* storedKey = findNamed(stored, normalisedKey(key));
    StoredValue* value = storedKey ? findNamed(storedKey->values, name) : nullptr;
    return value ? std::optional<Data>(value->data) : std::optional<Data>();
}

Result<void> UserRegistry::write(QStringView key, QStringView name, Data data) {
    m_lastErrorCode = 0;
    const QString keyName = normalisedKey(key);
    if (!isValidKey(keyName))
        return Error{tr("\"%1\" cannot be used as a settings key.").arg(key)};

    auto bytes = readFileIfPresent(m_filePath, kMaxStoreBytes, &m_lastErrorCode);
    if (!bytes)
        return Error{bytes.error()};
    Store store;
    if (bytes->has_value()) {
        auto existing = parsed(**bytes, m_filePath);
        if (!existing)
            return Error{existing.error()};
        store = std::move(existing).value();
    }

    StoredKey* storedKey = findNamed(store, keyName);
    if (!storedKey)
        storedKey = &store.emplace_back(StoredKey{keyName, {}});
    if (StoredValue* value = findNamed(storedKey->values, name))
        value->data = std::move(data);
    else
        storedKey->values.push_back(StoredValue{name.toString(), std::move(data)});

    const QString folder = QFileInfo(m_filePath).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder)) {
        m_lastErrorCode = errno;
        return Error{tr("Could not create the settings folder \"%1\".")
                         .arg(QDir::toNativeSeparators(folder))};
    }
    // writeFileAtomically words its reasons; errno still holds the failed call's code.
    errno = 0;
    auto written = writeFileAtomically(m_filePath, serialised(store).toUtf8());
    if (!written)
        m_lastErrorCode = errno;
    return written;
}

Result<std::optional<QString>> UserRegistry::readText(QStringView key, QStringView name) const {
    auto data = read(key, name);
    if (!data)
        return Error{data.error()};
    if (!data->has_value())
        return std::optional<QString>();
    if (const auto* text = std::get_if<QString>(&**data))
        return std::optional<QString>(*text);
    return Error{tr("The setting \"%1\" of \"%2\" holds a number, not text.").arg(name, key)};
}

Result<std::optional<qint32>> UserRegistry::readInteger(QStringView key, QStringView name) const {
    auto data = read(key, name);
    if (!data)
        return Error{data.error()};
    if (!data->has_value())
        return std::optional<qint32>();
    if (const auto* number = std::get_if<qint32>(&**data))
        return std::optional<qint32>(*number);
    return Error{tr("The setting \"%1\" of \"%2\" holds text, not a number.").arg(name, key)};
}

Result<void> UserRegistry::writeText(QStringView key, QStringView name, const QString& value) {
    return write(key, name, value);
}

Result<void> UserRegistry::writeInteger(QStringView key, QStringView name, qint32 value) {
    return write(key, name, value);
}

} // namespace cw::platform
