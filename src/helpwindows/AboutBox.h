#pragma once

// TAboutBox: the product, its version and build date, and the maker's web site. Made afresh
// for each showing and shown modally; OK (the default button, so Enter) closes it.

#include <QDialog>

namespace cw::helpwindows {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(const QString& productName, const QString& version, const QString& buildDate,
             QWidget* parent = nullptr);

    // Centred on the screen, until it is closed.
    void showModal();
};

} // namespace cw::helpwindows
