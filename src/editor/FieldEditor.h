#pragma once

// The single-line editor of one claim field. It keeps Tab and the arrow keys for the field
// handlers instead of letting them move the focus.
//
// What the user types or pastes is kept to one line of what a claim file can store, within
// the field's typing limit; a value the program sets (loading, AutoFill, the totals) is shown
// whole, whatever its length, so opening a field never changes its value.

#include <QLineEdit>

namespace cw::editor {

class FieldEditor : public QLineEdit {
    Q_OBJECT

public:
    FieldEditor(int catalogueIndex, QWidget* parent);

    int catalogueIndex() const { return m_index; }
    // The characters the user may type or paste; 0 means no limit.
    int typingLimit() const { return m_typingLimit; }

    // Shows a value the program sets, whole.
    void setValue(const QString& value);
    // The field is left: its own undo ends, and the claim's history undoes the typing from
    // then on.
    void clearOwnUndo();

signals:
    void focusEntered();
    // Not for a menu or another window taking the focus for a moment.
    void focusLeft();
    // The user changed the text: typing, deleting, cutting, pasting, dropping or undoing.
    void changedByUser(const QString& text);
    // Typed or pasted characters that a claim file cannot store were left out; text names the
    // first of them.
    void charactersRefused(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class FieldInputValidator;

    int m_index;
    int m_typingLimit;
    bool m_settingValue = false;
    // The text before the change being validated, and the value the program set last.
    QString m_acceptedText;
    QString m_programValue;
};

} // namespace cw::editor
