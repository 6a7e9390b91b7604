// Program entry: the application, then the main window, whose creation and first show run the
// start-up; the first command-line argument is a claim file to open.

#include "editor/EditorApplication.h"
#include "editor/MainWindow.h"
#include "editor/ProgramTitle.h"

#include <QTimer>

int main(int argc, char** argv) {
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
