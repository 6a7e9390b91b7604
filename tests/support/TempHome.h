#pragma once

// A temporary home folder for one test: HOME and the XDG folders point into it while the
// object lives, so no test reads or writes the real user's files.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>

namespace cw::test {

class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString configHome() const { return path() + QStringLiteral("/.config"); }
    QString dataHome() const { return path() + QStringLiteral("/.local/share"); }
    QString documents() const { return path() + QStringLiteral("/Documents"); }
    // A path inside the home folder.
    QString file(const QString& relative) const { return path() + u'/' + relative; }

private:
    void set(const char* name, const QString& value);

    QTemporaryDir m_dir;
    std::map<QByteArray, std::optional<QByteArray>> m_saved;
};

} // namespace cw::test
