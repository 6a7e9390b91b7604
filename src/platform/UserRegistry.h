#pragma once

// The current user's registry: keys such as "Software\Quillmark" holding named text and
// integer values. Key and value names compare without regard to case, as the registry's do.
//
// It is one text file, by default "registry.txt" in the user's Quillmark config folder.
// Every write reads the file, changes the one value and writes the whole file atomically, so
// the other values stay and a failed write leaves the file as it was. A file that cannot be
// read or understood is never overwritten.
//
// File format (UTF-8, LF line ends):
//     ; comment
//     [Software\Quillmark]
//     "UB92CW"="[PRINTALIGNMENT1]\r\n17\r\n"
//     "Left"=int:-8
// Inside quotes, \\ \" \r \n \t and \uXXXX (one UTF-16 unit) stand for themselves; control
// characters and surrogates are always written as escapes, so any QString survives.

#include "platform/Result.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

namespace cw::platform {

class UserRegistry {
public:
    // The user's store in userConfigFolder().
    UserRegistry();
    explicit UserRegistry(QString filePath);

    const QString& filePath() const { return m_filePath; }

    // Nothing when the value does not exist; an error when the store cannot be read or the
    // value is not of the asked type.
    Result<std::optional<QString>> readText(QStringView key, QStringView name) const;
    Result<std::optional<qint32>> readInteger(QStringView key, QStringView name) const;

    Result<void> writeText(QStringView key, QStringView name, const QString& value);
    Result<void> writeInteger(QStringView key, QStringView name, qint32 value);

    // errno of the last failed operation, 0 after a success or where the failure had none
    // (a file it cannot understand, a bad name). Stands in for GetLastError in messages.
    int lastErrorCode() const { return m_lastErrorCode; }

private:
    using Data = std::variant<QString, qint32>;

    Result<std::optional<Data>> read(QStringView key, QStringView name) const;
    Result<void> write(QStringView key, QStringView name, Data data);

    QString m_filePath;
    mutable int m_lastErrorCode = 0;
};

} // namespace cw::platform
