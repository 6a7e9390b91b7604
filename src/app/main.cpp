// Program entry. The claim editor is not built yet: until it is, the program opens a plain
// window that says so instead of pretending to be an editor.

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Claimwright"));
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));

    QLabel window(QObject::tr("UB-04/CMS 1450 Claimwright NPI\n\n"
                              "The claim editor is not built yet."));
    window.setAlignment(Qt::AlignCenter);
    window.setWindowTitle(QStringLiteral("UB-04/CMS 1450 Claimwright NPI"));
    window.resize(480, 200);
    window.show();
    // Start-up check for CI: run the event loop once, then leave.
    if (qEnvironmentVariableIsSet("CLAIMWRIGHT_QUIT_AFTER_START"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
