// Program entry: the command line says what to do. The editor is the only command that opens a
// window, with the first claim file given; printing to a PDF, exporting, checking claims, the
// field message, help and version run without one. A bad command line is refused before
// anything else is done; the editor's line is read once its application has taken out the
// options of Qt's own (-session when the desktop restores a session, -style, -platform).
// Only the first copy of the editor opens a window: a later start hands its claim file over and
// ends before any window is made or any preference touched. With a line that has no Qt option
// it does so before it makes the window application, which takes most of a start's time.

#include "app/ClaimCheckCommand.h"
#include "app/CommandLine.h"
#include "app/CommandLineHelp.h"
#include "app/RunningCopy.h"
#include "desktop/SingleInstance.h"
#include "editor/EditorApplication.h"
#include "editor/MainWindow.h"
#include "editor/ProgramTitle.h"
#include "helpwindows/SplashScreen.h"
#include "online/ProgramVersion.h"
#include "platform/DebugOutput.h"
#include "recovery/RecoveryStore.h"

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

int exportClaims(int argc, char** argv, const cw::app::ExportOptions& options) {
    QCoreApplication app(argc, argv);
    nameTheProgram();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cw::app::runExport(options, out, err);
}

int checkClaims(int argc, char** argv, const QStringList& claimPaths) {
    QCoreApplication app(argc, argv);
    nameTheProgram();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cw::app::runClaimCheck(claimPaths, out, err);
}

int refuse(const QString& reason) {
    QTextStream(stderr) << "claimwright: " << reason << Qt::endl
                        << "Run claimwright --help for the usage." << Qt::endl;
    return cw::app::kBadCommandLine;
}

int sendFieldMessage(int argc, char** argv, const cw::app::FieldMessage& message) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    return cw::app::sendFieldMessage(message, err);
}

// files: the claim files of a line read before the application is made (no Qt option on it).
int openEditor(int argc, char** argv, const QStringList* files) {
    using cw::desktop::SingleInstance;
    QTextStream err(stderr);
    std::unique_ptr<SingleInstance> instance;
    const auto testInstance = [&](const QStringList& filesToHandOver) {
        instance = std::make_unique<SingleInstance>(cw::desktop::InstanceAddress::ofThisProgram());
        return cw::app::handOverIfRunning(*instance, filesToHandOver, err);
    };
    if (files) {
        QCoreApplication probe(argc, argv);
        if (const std::optional<int> status = testInstance(*files))
            return *status;
    }
    cw::editor::EditorApplication app(argc, argv);
    const cw::Result<cw::app::CommandLine> commandLine =
        cw::app::parseCommandLine(QCoreApplication::arguments().mid(1));
    if (!commandLine)
        return refuse(commandLine.error());
    if (!instance)
        if (const std::optional<int> status = testInstance(commandLine->filesToOpen))
            return *status;
    nameTheProgram();
    QApplication::setApplicationDisplayName(cw::editor::programTitle());
    // The desktop matches the window to the entry the file association installs.
    QGuiApplication::setDesktopFileName(QStringLiteral("claimwright"));

    // Without the socket the window works all the same; later starts then say so and end.
    auto server = instance->listen();
    if (!server)
        cw::platform::debugOutput(server.error());
    // Up, and drawn, while the main window and its hidden windows are made.
    cw::helpwindows::SplashScreen splash(cw::editor::programTitle(),
                                         QLatin1StringView(cw::online::kProgramVersion));
    splash.showAndPaint();
    cw::editor::MainWindow window(
        {cw::platform::UserRegistry(), cw::prefs::PreferencesFolders::standard(), nullptr,
         commandLine->filesToOpen, server ? server->get() : nullptr,
         cw::desktop::FileAssociation(cw::desktop::AssociationFolders::fromEnvironment(),
                                      cw::desktop::canonicalProgramPath()),
         cw::recovery::standardRecoveryFolder()});
    window.show();
    // Every window exists now; Qt's finish() would wait for the main window to be drawn.
    splash.close();

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
        return openEditor(argc, argv, nullptr);
    switch (commandLine->command) {
    case Command::ShowHelp:
        QTextStream(stdout) << usageText();
        return kAllPrinted;
    case Command::ShowVersion:
        QTextStream(stdout) << versionText();
        return kAllPrinted;
    case Command::PrintPdf:
        return printToPdf(argc, argv, commandLine->pdfPrint);
    case Command::SetField:
        return sendFieldMessage(argc, argv, commandLine->fieldMessage);
    case Command::Export:
        return exportClaims(argc, argv, commandLine->exportClaims);
    case Command::CheckClaims:
        return checkClaims(argc, argv, commandLine->claimsToCheck);
    case Command::OpenEditor:
        break;
    }
    return openEditor(argc, argv, &commandLine->filesToOpen);
}
