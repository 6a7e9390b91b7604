#pragma once

// "Save Changes?" with Yes / No / Cancel: Toktosave before the claim is replaced, Toktoclose
// before the main window closes.

#include "editor/UserDialogs.h"

#include <QDialog>

namespace cw::editor {

class SaveChangesPrompt : public QDialog {
    Q_OBJECT

public:
    SaveChangesPrompt(SavePrompt kind, QWidget* parent);

    // Shows the prompt modally and returns the answer; Closed for the close box.
    SaveAnswer ask();

private:
    SaveAnswer m_answer = SaveAnswer::Closed;
};

} // namespace cw::editor
