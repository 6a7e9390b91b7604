#pragma once

// A label that reads as a link: blue, underlined, a hand pointer while the mouse is over it,
// and a click opens the address it stands for with the desktop's handler.

#include <QLabel>

namespace cw::helpwindows {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    // text is what shows, underlined in font; address is what opens ("mailto:..." or a web
    // address).
    LinkLabel(const QString& text, QString address, QFont font, QWidget* parent = nullptr);

    QString address() const { return m_address; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_address;
};

} // namespace cw::helpwindows
