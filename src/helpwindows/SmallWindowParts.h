#pragma once

// What the help, About and splash windows share: controls placed at fixed client positions in
// the fonts they were drawn with, and a window of fixed size in the middle of the desktop.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QWidget;

namespace cw::helpwindows {

// Arial is Liberation Sans here, which has the same widths.
QFont sansPixels(int pixels, bool bold = false);

inline constexpr QSize kButtonSize(89, 25);

QPushButton* placedButton(QWidget& parent, const char* objectName, const QString& text,
                          QPoint position, QSize size = kButtonSize);
// A button that hides window, then runs next (when given): the help windows' Back, Exit Help
// and choices.
QPushButton* hidingButton(QWidget& window, const char* objectName, const QString& text,
                          QPoint position, const std::function<void()>& next = {},
                          QSize size = kButtonSize);
// A plain-text label; a size of 0 × 0 fits the label to its text.
QLabel* placedLabel(QWidget& parent, const QString& text, const QRect& geometry, const QFont& font,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wrapped = false);

// The text broken into lines at blanks so that each fits width in font (a button's caption
// does not wrap by itself).
QString wrappedText(const QString& text, const QFont& font, int width);

// A fixed client size, the title, the object name.
void fixWindow(QWidget& window, const char* objectName, const QString& title, QSize clientSize);
// Moves the window's frame to the middle of the desktop's work area and shows it in front.
void showCentred(QWidget& window);

} // namespace cw::helpwindows
