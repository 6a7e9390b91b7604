#pragma once

// Tformhelpfilling: where the hints' filing guidance comes from. Modeless; made once and
// hidden; Back hides it and says so, Exit Help hides it.

#include <QDialog>

namespace cw::helpwindows {

class FillingHelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit FillingHelpWindow(QWidget* parent = nullptr);

signals:
    void backChosen();
};

} // namespace cw::helpwindows
