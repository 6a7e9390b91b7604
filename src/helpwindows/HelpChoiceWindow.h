#pragma once

// TFormHelp: the first help window (F1), which asks whether the clerk needs help on the form
// or on the program. Modeless; made once and hidden; each choice hides it and says which.

#include <QDialog>

namespace cw::helpwindows {

class HelpChoiceWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpChoiceWindow(QWidget* parent = nullptr);

signals:
    void fillingHelpChosen();
    void programHelpChosen();
};

} // namespace cw::helpwindows
