#include "helpwindows/LinkLabel.h"

#include "onlinewindows/Browser.h"

#include <QMouseEvent>

namespace cw::helpwindows {

LinkLabel::LinkLabel(const QString& text, QString address, QFont font, QWidget* parent)
    : QLabel(parent)
    , m_address(std::move(address)) {
    setTextFormat(Qt::PlainText);
    setText(text);
    font.setUnderline(true);
    setFont(font);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
    // Qt puts the default pointer back when the mouse leaves.
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        onlinewindows::openUrlInBrowser(m_address);
}

} // namespace cw::helpwindows
