#include "editor/FieldEditor.h"

#include "model/FieldCatalogue.h"
#include "model/FieldText.h"
#include "model/Windows1252.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QValidator>

#include <limits>

namespace cw::editor {

namespace {

// RGB 255, 251, 240: the field editors' background, a warm white that sets the field being
// typed in apart from the form.
const QColor kFieldBackground(255, 251, 240);

// Removes the characters that Windows-1252 cannot hold, keeping position before the same
// character; firstRemoved describes the first one removed. False when nothing was removed.
bool removeUnencodable(QString& text, int& position, QString& firstRemoved) {
    qsizetype first = -1;
    QString kept;
    kept.reserve(text.size());
    int keptBeforePosition = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!model::Windows1252::canEncode(text[i])) {
            if (first < 0) {
                first = i;
                firstRemoved = model::Windows1252::describeCharacterAt(text, i);
            }
            continue;
        }
        kept += text[i];
        if (i < position)
            ++keptBeforePosition;
    }
    if (first < 0)
        return false;
    text = kept;
    position = keptBeforePosition;
    return true;
}

} // namespace

// Every change of the editor's text passes here, typed, pasted, dropped or set by the program.
// Only the user's changes are kept to one storable line within the typing limit.
class FieldInputValidator : public QValidator {
public:
    explicit FieldInputValidator(FieldEditor& editor)
        : QValidator(&editor)
        , m_editor(editor) {}

    State validate(QString& input, int& pos) const override {
        if (m_editor.m_settingValue)
            return Acceptable;
        qsizetype position = pos;
        input = model::asSingleLine(input, &position);
        input.replace(u'\t', u' ');
        pos = int(position);

        QString refused;
        if (removeUnencodable(input, pos, refused)) {
            QApplication::beep();
            emit m_editor.charactersRefused(
                FieldEditor::tr("%1 cannot be stored in a claim file, so it was left out.")
                    .arg(refused));
        }
        keepWithinLimit(input, pos);
        return Acceptable;
    }

private:
    // A change that makes the text longer may not take it past the limit, nor past the length
    // it had (a longer value the program set); the characters just inserted before the caret
    // are cut, as an edit control cuts a paste. Undoing back to the program's value is no
    // growth of the user's.
    void keepWithinLimit(QString& input, int& pos) const {
        const int limit = m_editor.m_typingLimit;
        const qsizetype allowed = std::max<qsizetype>(limit, m_editor.m_acceptedText.size());
        if (limit == 0 || input.size() <= allowed || input == m_editor.m_programValue)
            return;
        const qsizetype excess = std::min<qsizetype>(input.size() - allowed, pos);
        input.remove(pos - excess, excess);
        pos -= int(excess);
    }

    FieldEditor& m_editor;
};

FieldEditor::FieldEditor(int catalogueIndex, QWidget* parent)
    : QLineEdit(parent)
    , m_index(catalogueIndex)
    , m_typingLimit(model::FieldCatalogue::maxLength(catalogueIndex)) {
    const auto& entry = model::FieldCatalogue::entry(catalogueIndex);
    setObjectName(QString(model::FieldCatalogue::name(catalogueIndex)));
    setGeometry(entry.left, entry.top, entry.width, model::kFieldHeight);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // QLineEdit cuts even the text the program sets to its own limit (32767 by default); the
    // typing limit is the validator's.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new FieldInputValidator(*this));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kFieldBackground);
    setPalette(colours);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_acceptedText = text;
        if (!m_settingValue)
            emit changedByUser(text);
    });
    hide();
}

void FieldEditor::setValue(const QString& value) {
    m_programValue = value;
    m_settingValue = true;
    setText(value);
    m_settingValue = false;
}

void FieldEditor::clearOwnUndo() {
    const QScopedValueRollback settingValue(m_settingValue, true);
    // Setting the text is the one way QLineEdit offers to forget its undo steps.
    setText(text());
}

bool FieldEditor::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+A belongs to the AutoFill menu while that offers it; otherwise it selects all.
        // Undo and Redo belong to the Edit menu when the editor has nothing of its own to
        // undo or redo.
        if (key->matches(QKeySequence::SelectAll) ||
            (key->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    // Tab and Shift+Tab would move the focus before keyPressEvent sees them.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void FieldEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEditor::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusEntered();
}

void FieldEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu or a dialog taking the focus for a moment does not close the field.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit focusLeft();
}

} // namespace cw::editor
