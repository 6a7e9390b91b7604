#pragma once

// What the print dialogs share: a fixed size, above the other windows, opened in the middle of
// the desktop.

#include <QDialog>

#include <functional>

class QLayout;

namespace cw::printdialogs {

class FixedDialog : public QDialog {
    Q_OBJECT

public:
    explicit FixedDialog(QWidget* parent = nullptr);

protected:
    // The OK and Cancel buttons, right-aligned in a row, with their object names; OK is the
    // default button. Each click calls its handler.
    QLayout* okCancelRow(const char* okName, const char* cancelName,
                         const std::function<void()>& onOk, const std::function<void()>& onCancel);
    // Once the controls are laid out.
    void fixSize();
    void showCentred();
    DialogCode execCentred();

private:
    void centreOnDesktop();
};

} // namespace cw::printdialogs
