#pragma once

// A settings file in the Windows INI layout, read and changed with the semantics of
// GetPrivateProfileString and its relatives: "[section]" lines, "key=value" lines, section and
// key names compared without regard to case, values trimmed and stripped of one pair of
// surrounding double quotes. Changing a key keeps every other line of the file as it was.
//
// The file is Windows-1252 text and the API speaks bytes, as the "A" functions do; callers
// convert with cw::model::Windows1252 where they need QString. Changes stay in memory until
// save(), which writes the whole file atomically with CR LF line ends.

#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

namespace cw::platform {

// The keys of one section, read in one pass, for readers of many keys: the same answers as
// IniFile's readString and readInteger, without a search of the file for every key.
class IniSection {
public:
    QByteArray readString(QByteArrayView key, QByteArrayView defaultValue) const;
    qint16 readInteger(QByteArrayView key, qint16 defaultValue) const;

private:
    friend class IniFile;
    static QByteArray lookupName(QByteArrayView key);

    QHash<QByteArray, QByteArray> m_values; // by lower-cased key; the first line of a key wins
};

class IniFile {
public:
    // A missing file opens as an empty one; a file that cannot be read is an error.
    static Result<IniFile> open(const QString& path);
    // The file that holds these bytes, saved to path.
    static IniFile fromBytes(const QString& path, QByteArrayView bytes);

    const QString& path() const { return m_path; }

    bool hasSection(QByteArrayView section) const;
    QByteArray readString(QByteArrayView section, QByteArrayView key,
                          QByteArrayView defaultValue) const;
    // GetPrivateProfileInt kept to its low 16 bits as a signed number: the leading decimal
    // digits after an optional sign ("12abc" gives 12, "70000" gives 4464); a value without
    // digits, or a missing one, gives the default.
    qint16 readInteger(QByteArrayView section, QByteArrayView key, qint16 defaultValue) const;
    // Every key of the section; an empty one when the file has no such section.
    IniSection section(QByteArrayView section) const;

    // Refuses names and values that would break the line layout, and changes nothing then.
    Result<void> writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void removeKey(QByteArrayView section, QByteArrayView key);

    // The whole file as save() writes it.
    QByteArray toBytes() const;
    Result<void> save() const;

private:
    explicit IniFile(QString path);

    // Index of the section's header line, or -1.
    qsizetype findSection(QByteArrayView section) const;
    // Index of the key's line inside the section starting at sectionLine, or -1.
    qsizetype findKey(qsizetype sectionLine, QByteArrayView key) const;
    // Index one past the section's last line.
    qsizetype sectionEnd(qsizetype sectionLine) const;

    QString m_path;
    QList<QByteArray> m_lines; // without their line ends
};

} // namespace cw::platform
