#pragma once

// What the print dialogs share: a fixed size, above the other windows, opened in the middle of
// the desktop.

#include <QDialog>

namespace cw::printing {

class FixedDialog : public QDialog {
    Q_OBJECT

public:
    explicit FixedDialog(QWidget* parent = nullptr);

protected:
    // Once the controls are laid out.
    void fixSize();
    void showCentred();
    DialogCode execCentred();

private:
    void centreOnDesktop();
};

} // namespace cw::printing
