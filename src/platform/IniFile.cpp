#include "platform/IniFile.h"

#include "platform/FileAccess.h"
#include "platform/ReadIfPresent.h"

#include <QCoreApplication>
#include <QDir>

#include <array>

namespace cw::platform {

namespace {

// Settings files hold a few hundred short lines; a file this large is not one.
constexpr qint64 kMaxIniBytes = 4 * 1024 * 1024;

QString tr(const char* text) {
    return QCoreApplication::translate("IniFile", text);
}

// Windows-1252 lower case for each byte: ASCII letters, Š Œ Ž Ÿ and the Latin-1 capitals.
constexpr std::array<unsigned char, 256> lowerCaseTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b)
        table[b] = static_cast<unsigned char>(b + 0x20);
    for (int b = 0xC0; b <= 0xDE; ++b)
        if (b != 0xD7)
            table[b] = static_cast<unsigned char>(b + 0x20);
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x8E] = 0x9E;
    table[0x9F] = 0xFF;
    return table;
}

constexpr std::array<unsigned char, 256> kLowerCase = lowerCaseTable();

bool sameName(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (kLowerCase[static_cast<unsigned char>(a[i])] !=
            kLowerCase[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

// The section's name when the line is a section header.
std::optional<QByteArrayView> sectionName(QByteArrayView line) {
    line = line.trimmed();
    if (!line.startsWith('['))
        return std::nullopt;
    const qsizetype close = line.indexOf(']');
    return (close < 0 ? line.sliced(1) : line.sliced(1, close - 1)).trimmed();
}

struct KeyLine {
    QByteArrayView key;
    QByteArrayView value;
};

std::optional<KeyLine> keyLine(QByteArrayView line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return KeyLine{line.first(equals).trimmed(), line.sliced(equals + 1).trimmed()};
}

QByteArrayView unquoted(QByteArrayView value) {
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.sliced(1, value.size() - 2);
    return value;
}

// GetPrivateProfileInt's reading, kept to the low 16 bits as a signed number.
qint16 lowSixteenBits(QByteArrayView text, qint16 defaultValue) {
    qsizetype i = 0;
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        i = 1;
    // Arithmetic modulo 2^16 gives the low 16 bits of any longer result without overflow.
    quint16 number = 0;
    const qsizetype firstDigit = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        number = static_cast<quint16>(number * 10u + static_cast<unsigned>(text[i] - '0'));
    if (i == firstDigit)
        return defaultValue;
    if (negative)
        number = static_cast<quint16>(0u - number);
    return static_cast<qint16>(number);
}

bool breaksLines(QByteArrayView text) {
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path)) {}

Result<IniFile> IniFile::open(const QString& path) {
    auto bytes = readFileIfPresent(path, kMaxIniBytes);
    if (!bytes)
        return Error{bytes.error()};
    return bytes->has_value() ? fromBytes(path, **bytes) : IniFile(path);
}

IniFile IniFile::fromBytes(const QString& path, QByteArrayView bytes) {
    IniFile file(path);
    if (bytes.isEmpty())
        return file;
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    for (QByteArray& line : bytes.toByteArray().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        file.m_lines.append(std::move(line));
    }
    return file;
}

qsizetype IniFile::findSection(QByteArrayView section) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

qsizetype IniFile::sectionEnd(qsizetype sectionLine) const {
    qsizetype i = sectionLine + 1;
    while (i < m_lines.size() && !sectionName(m_lines[i]))
        ++i;
    return i;
}

qsizetype IniFile::findKey(qsizetype sectionLine, QByteArrayView key) const {
    const qsizetype end = sectionEnd(sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i) {
        const auto entry = keyLine(m_lines[i]);
        if (entry && sameName(entry->key, key.trimmed()))
            return i;
    }
    return -1;
}

bool IniFile::hasSection(QByteArrayView section) const {
    return findSection(section.trimmed()) >= 0;
}

QByteArray IniFile::readString(QByteArrayView section, QByteArrayView key,
                               QByteArrayView defaultValue) const {
    const qsizetype sectionLine = findSection(section.trimmed());
    const qsizetype line = sectionLine < 0 ? -1 : findKey(sectionLine, key);
    if (line < 0)
        return defaultValue.toByteArray();
    return unquoted(keyLine(m_lines[line])->value).toByteArray();
}

qint16 IniFile::readInteger(QByteArrayView section, QByteArrayView key, qint16 defaultValue) const {
    return lowSixteenBits(readString(section, key, {}), defaultValue);
}

IniSection IniFile::section(QByteArrayView section) const {
    IniSection keys;
    const qsizetype sectionLine = findSection(section.trimmed());
    if (sectionLine < 0)
        return keys;
    const qsizetype end = sectionEnd(sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i)
        if (const auto entry = keyLine(m_lines[i])) {
            const QByteArray name = IniSection::lookupName(entry->key);
            if (!keys.m_values.contains(name))
                keys.m_values.insert(name, unquoted(entry->value).toByteArray());
        }
    return keys;
}

QByteArray IniSection::lookupName(QByteArrayView key) {
    QByteArray name = key.trimmed().toByteArray();
    for (char& c : name)
        c = static_cast<char>(kLowerCase[static_cast<unsigned char>(c)]);
    return name;
}

QByteArray IniSection::readString(QByteArrayView key, QByteArrayView defaultValue) const {
    const auto found = m_values.constFind(lookupName(key));
    return found == m_values.cend() ? defaultValue.toByteArray() : *found;
}

qint16 IniSection::readInteger(QByteArrayView key, qint16 defaultValue) const {
    return lowSixteenBits(readString(key, {}), defaultValue);
}

Result<void> IniFile::writeString(QByteArrayView section, QByteArrayView key,
                                  QByteArrayView value) {
    section = section.trimmed();
    key = key.trimmed();
    if (section.isEmpty() || breaksLines(section) || section.contains(']'))
        return Error{tr("\"%1\" cannot be used as a section name in \"%2\".")
                         .arg(QString::fromLatin1(section), QDir::toNativeSeparators(m_path))};
    if (key.isEmpty() || breaksLines(key) || key.contains('=') || key.startsWith('[') ||
        key.startsWith(';'))
        return Error{tr("\"%1\" cannot be used as a key name in \"%2\".")
                         .arg(QString::fromLatin1(key), QDir::toNativeSeparators(m_path))};
    if (breaksLines(value))
        return Error{tr("The value for \"%1\" in \"%2\" holds a line break, which the file "
                        "cannot store.")
                         .arg(QString::fromLatin1(key), QDir::toNativeSeparators(m_path))};

    const QByteArray entry = key.toByteArray() + '=' + value.toByteArray();
    qsizetype sectionLine = findSection(section);
    if (sectionLine < 0) {
        m_lines.append('[' + section.toByteArray() + ']');
        m_lines.append(entry);
        return {};
    }
    if (const qsizetype line = findKey(sectionLine, key); line >= 0) {
        m_lines[line] = entry;
        return {};
    }
    // After the section's last non-blank line, so blank lines between sections stay there.
    qsizetype insertAt = sectionEnd(sectionLine);
    while (insertAt > sectionLine + 1 && m_lines[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, entry);
    return {};
}

void IniFile::removeKey(QByteArrayView section, QByteArrayView key) {
    const qsizetype sectionLine = findSection(section.trimmed());
    const qsizetype line = sectionLine < 0 ? -1 : findKey(sectionLine, key);
    if (line >= 0)
        m_lines.removeAt(line);
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    for (const QByteArray& line : m_lines)
        bytes += line + "\r\n";
    return bytes;
}

Result<void> IniFile::save() const {
    return writeFileAtomically(m_path, toBytes());
}

} // namespace cw::platform
