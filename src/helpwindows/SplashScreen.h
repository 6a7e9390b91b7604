#pragma once

// TFormSplash: the picture and the program's name and version, without a frame, in the
// middle of the screen while the program starts. It is drawn as soon as it is shown, before
// the main window is made, and goes once the main window shows.

#include <QSplashScreen>

namespace cw::helpwindows {

class SplashScreen : public QSplashScreen {
    Q_OBJECT

public:
    SplashScreen(const QString& productName, const QString& version);

    // Shows it and draws it at once, without waiting for the event loop.
    void showAndPaint();
};

} // namespace cw::helpwindows
