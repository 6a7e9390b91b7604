#pragma once

// The small sample files of tests/fixtures/.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace cw::test {

inline QString fixturePath(const char* name) {
    return QStringLiteral(CLAIMWRIGHT_FIXTURES "/") + QLatin1StringView(name);
}

inline QByteArray fixture(const char* name) {
    QFile f(fixturePath(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return f.readAll();
}

} // namespace cw::test
