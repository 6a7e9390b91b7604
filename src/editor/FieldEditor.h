#pragma once

// The single-line editor of one claim field. It keeps Tab and the arrow keys for the field
// handlers instead of letting them move the focus, and it refuses characters that a claim file
// cannot store, so the saved claim is always exactly what the screen shows.

#include <QLineEdit>

namespace cw::editor {

class FieldEditor : public QLineEdit {
    Q_OBJECT

public:
    FieldEditor(int catalogueIndex, QWidget* parent);

    int catalogueIndex() const { return m_index; }

signals:
    void focusEntered();
    // Not for a menu or another window taking the focus for a moment.
    void focusLeft();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_index;
};

} // namespace cw::editor
