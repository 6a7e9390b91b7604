#pragma once

// Tformhelpprogram: the support e-mail address, which a click hands to the desktop's e-mail
// program. Modeless; made once and hidden; Back hides it and says so, Exit Help hides it.

#include <QDialog>

namespace cw::helpwindows {

class ProgramHelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit ProgramHelpWindow(QWidget* parent = nullptr);

signals:
    void backChosen();
};

} // namespace cw::helpwindows
