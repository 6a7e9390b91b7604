#include "TempHome.h"

#include <QDir>
#include <QtGlobal>

namespace cw::test {

TempHome::TempHome() {
    Q_ASSERT(m_dir.isValid());
    set("HOME", path());
    set("XDG_CONFIG_HOME", configHome());
    set("XDG_DATA_HOME", dataHome());
    set("XDG_CACHE_HOME", path() + QStringLiteral("/.cache"));
    set("XDG_STATE_HOME", path() + QStringLiteral("/.local/state"));
    set("XDG_RUNTIME_DIR", path() + QStringLiteral("/run"));
    QDir(path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(path() + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TempHome::~TempHome() {
    for (const auto& [name, value] : m_saved) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

void TempHome::set(const char* name, const QString& value) {
    const QByteArray key(name);
    if (!m_saved.contains(key))
        m_saved[key] =
            qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    qputenv(name, QFile::encodeName(value));
}

} // namespace cw::test
