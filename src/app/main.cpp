// Program entry: the application, then the main window, whose creation and first show run the
// start-up; the first command-line argument is a claim file to open. With --print-pdf (or
// --help) the program prints claim files to a PDF instead and never opens a window.

#include "app/PdfPrintCommand.h"
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

int printToPdf(int argc, char** argv, const QStringList& arguments) {
    using namespace cw::app;
    QTextStream out(stdout);
    QTextStream err(stderr);
    const cw::Result<PdfPrintOptions> options = parsePdfPrintArguments(arguments);
    if (!options) {
        err << "claimwright: " << options.error() << Qt::endl
            << "Run claimwright --help for the usage." << Qt::endl;
        return kBadCommandLine;
    }
    if (options->helpOnly) {
        out << pdfPrintUsage();
        return kAllPrinted;
    }
    // A print needs no screen: without a platform of the user's choice, none is opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Claimwright"));
    QGuiApplication::setOrganizationName(QStringLiteral("Quillmark"));
    return runPdfPrint(*options, out, err);
}

} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = argumentsOf(argc, argv);
    if (cw::app::isPdfPrintCommandLine(arguments))
        return printToPdf(argc, argv, arguments);

    cw::editor::EditorApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Claimwright"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationDisplayName(cw::editor::programTitle());

    QStringList files = QApplication::arguments();
    files.removeFirst();

    cw::editor::MainWindow window(
        {cw::platform::UserRegistry(), cw::prefs::PreferencesFolders::standard(), nullptr, files});
    window.show();

    // Start-up check for CI and the start-up benchmark: run the event loop once, then leave.
    if (qEnvironmentVariableIsSet("CLAIMWRIGHT_QUIT_AFTER_START"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
