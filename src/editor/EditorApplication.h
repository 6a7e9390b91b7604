#pragma once

// The application object of the claim editor. An exception that escapes an event handler ends
// at the installed ApplicationErrorHandler instead of ending the program. Tool tips show 10 ms
// after the pointer rests on an item and stay up to five minutes.

#include <QApplication>

namespace cw::editor {

class ApplicationErrorHandler;

inline constexpr int kToolTipDelayMs = 10;
inline constexpr int kToolTipDurationMs = 300000;

class EditorApplication : public QApplication {
    Q_OBJECT

public:
    EditorApplication(int& argc, char** argv);

    // The main window installs its handler when it is created.
    static void installErrorHandler(ApplicationErrorHandler* handler);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    static ApplicationErrorHandler* s_handler;
};

} // namespace cw::editor
