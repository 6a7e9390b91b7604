#pragma once

// The freedesktop key files the association reads and edits (desktop entries, mimeapps.list,
// mimeinfo.cache): "[Group]" lines, "Key=Value" lines, comments and blank lines, UTF-8. An
// edit changes one line and keeps every other byte as it was.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace cw::desktop {

// The value of key in group, as written; nothing when the group or key is missing. Blanks
// around "=" do not count.
std::optional<QString> keyFileValue(const QByteArray& contents, QStringView group, QStringView key);

// The contents with key in group set to value: its line is replaced where it stands, or added
// at the end of the group, or the group is added at the end.
QByteArray withKeyFileValue(const QByteArray& contents, QStringView group, QStringView key,
                            const QString& value);

// A ";"-separated list value (MimeType, the handlers of mimeapps.list), empty items left out.
QStringList keyFileList(const QString& value);

// The Exec word that runs program: quoted as a desktop entry's Exec wants it, and escaped as
// the key file's strings are.
QString execWord(const QString& program);
// The program an Exec value runs: its first word, with both kinds of escapes undone.
QString execProgram(const QString& execValue);

} // namespace cw::desktop
