// Program entry: the command line says what to do. The editor is the only command that opens a
// window, with the first claim file given; printing to a PDF, checking claims, help and version
// run without one.
// A bad command line is refused before anything else is done; the editor's line is read once
// its application has taken out the options of Qt's own (-session when the desktop restores
// a session, -style, -platform).

#include "app/ClaimCheckCommand.h"
#include "app/CommandLine.h"
#include "app/CommandLineHelp.h"
#include "editor/EditorApplication.h"
#include "editor/MainWindow.h"
#include "editor/ProgramTitle.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

// The names the preferences and the desktop know the program by.
void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Claimwright"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmark"));
}

int printToPdf(int argc, char** argv, const cw::app::PdfPrintOptions& options) {
    // A print needs no screen: without a platform of the user's choice, none is opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    nameTheProgram();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cw::app::runPdfPrint(options, out, err);
}

int checkClaims(int argc, char** argv, const QStringList& claimPaths) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cw::app::runClaimCheck(claimPaths, out, err);
}

int refuse(const QString& reason) {
    QTextStream(stderr) << "claimwright: " << reason << Qt::endl
                        << "Run claimwright --help for the usage." << Qt::endl;
    return cw::app::kBadCommandLine;
}

int openEditor(int argc, char** argv) {
    cw::editor::EditorApplication app(argc, argv);
    const cw::Result<cw::app::CommandLine> commandLine =
        cw::app::parseCommandLine(QCoreApplication::arguments().mid(1));
    if (!commandLine)
        return refuse(commandLine.error());
    nameTheProgram();
    QApplication::setApplicationDisplayName(cw::editor::programTitle());

    cw::editor::MainWindow window({cw::platform::UserRegistry(),
                                   cw::prefs::PreferencesFolders::standard(), nullptr,
                                   commandLine->filesToOpen});
    window.show();

    // Start-up check for CI and the start-up benchmark: run the event loop once, then leave.
    if (qEnvironmentVariableIsSet("CLAIMWRIGHT_QUIT_AFTER_START"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    using namespace cw::app;
    const QStringList arguments = argumentsOf(argc, argv);
    const cw::Result<CommandLine> commandLine = parseCommandLine(arguments);
    if (!commandLine && asksForCommandWithoutWindow(arguments))
        return refuse(commandLine.error());
    if (!commandLine)
        return openEditor(argc, argv);
    switch (commandLine->command) {
    case Command::ShowHelp:
        QTextStream(stdout) << usageText();
        return kAllPrinted;
    case Command::ShowVersion:
        QTextStream(stdout) << versionText();
        return kAllPrinted;
    case Command::PrintPdf:
        return printToPdf(argc, argv, commandLine->pdfPrint);
    case Command::CheckClaims:
        return checkClaims(argc, argv, commandLine->claimsToCheck);
    case Command::OpenEditor:
        break;
    }
    return openEditor(argc, argv);
}
