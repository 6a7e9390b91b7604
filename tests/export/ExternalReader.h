#pragma once

// Runs a reader that has nothing to do with this program on a file it wrote, and hands back
// what the reader printed.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

namespace cw::test {

struct ReaderOutput {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ReaderOutput runReader(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    ReaderOutput result;
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        result.err = "cannot run " + program.toUtf8();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// Debian's own interpreter, the one its python3-openpyxl and python3-docx belong to.
inline ReaderOutput runPython(const QString& script, const QStringList& arguments) {
    return runReader(QStringLiteral("/usr/bin/python3"),
                     QStringList{QStringLiteral("-c"), script} + arguments);
}

} // namespace cw::test
