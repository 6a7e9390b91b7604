#pragma once

// The program built, started as a file manager or a script starts it, in the test's home and
// on the offscreen platform.

#include "TempHome.h"

#include <QProcess>
#include <QTest>

struct ProgramRun {
    int status = -1;
    QString err;
};

inline void prepareProgram(QProcess& process, const cw::test::TempHome& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    environment.remove(u"QT_LOGGING_RULES"_qs);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
}

// Runs the program to its end. The test's event loop turns while it waits, so a window of the
// test can answer it.
inline ProgramRun runProgram(const cw::test::TempHome& home, const QStringList& arguments) {
    QProcess process;
    prepareProgram(process, home);
    process.start(QStringLiteral(CLAIMWRIGHT_BINARY), arguments);
    if (!process.waitForStarted(30000))
        return {};
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}
