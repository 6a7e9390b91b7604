#include "platform/UserRegistry.h"

#include "platform/FileAccess.h"
#include "platform/KnownFolders.h"
#include "platform/ReadIfPresent.h"
#include "platform/RegistryText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace cw::platform {

namespace {

// The store holds a few settings; a file this large was not written by the program.
constexpr qint64 kMaxStoreBytes = 4 * 1024 * 1024;

QString tr(const char* text) {
    return QCoreApplication::translate("UserRegistry", text);
}

// "\Software\Quillmark\" and "Software\Quillmark" name the same key.
QString normalisedKey(QStringView key) {
    while (key.startsWith(u'\\'))
        key = key.sliced(1);
    while (key.endsWith(u'\\'))
        key.chop(1);
    return key.toString();
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
    auto store = parseRegistryText(**bytes, m_filePath);
    if (!store)
        return Error{store.error()};
    RegistryStore stored = std::move(store).value();
    RegistryKey* storedKey = findNamed(stored, normalisedKey(key));
    RegistryValue* value = storedKey ? findNamed(storedKey->values, name) : nullptr;
    return value ? std::optional<Data>(value->data) : std::optional<Data>();
}

Result<void> UserRegistry::write(QStringView key, QStringView name, Data data) {
    m_lastErrorCode = 0;
    const QString keyName = normalisedKey(key);
    if (!isValidRegistryKey(keyName))
        return Error{tr("\"%1\" cannot be used as a settings key.").arg(key)};

    auto bytes = readFileIfPresent(m_filePath, kMaxStoreBytes, &m_lastErrorCode);
    if (!bytes)
        return Error{bytes.error()};
    RegistryStore store;
    if (bytes->has_value()) {
        auto existing = parseRegistryText(**bytes, m_filePath);
        if (!existing)
            return Error{existing.error()};
        store = std::move(existing).value();
    }

    RegistryKey* storedKey = findNamed(store, keyName);
    if (!storedKey)
        storedKey = &store.emplace_back(RegistryKey{keyName, {}});
    if (RegistryValue* value = findNamed(storedKey->values, name))
        value->data = std::move(data);
    else
        storedKey->values.push_back(RegistryValue{name.toString(), std::move(data)});

    const QString folder = QFileInfo(m_filePath).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder)) {
        m_lastErrorCode = errno;
        return Error{tr("Could not create the settings folder \"%1\".")
                         .arg(QDir::toNativeSeparators(folder))};
    }
    // writeFileAtomically words its reasons; errno still holds the failed call's code.
    errno = 0;
    auto written = writeFileAtomically(m_filePath, registryText(store));
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
