#include "editor/FieldEditor.h"

#include "model/FieldCatalogue.h"
#include "model/Windows1252.h"

#include <QApplication>
#include <QKeyEvent>
#include <QValidator>

namespace cw::editor {

namespace {

// Drops what Windows-1252 cannot hold from typed or pasted text, with a beep, and keeps the
// rest. Text set by the program (loading, AutoFill) does not pass through a validator.
class Windows1252Validator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        if (model::Windows1252::firstUnencodable(input) < 0)
            return Acceptable;
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (!model::Windows1252::canEncode(input[i]))
                continue;
            kept += input[i];
            if (i < pos)
                ++keptBeforeCursor;
        }
        input = kept;
        pos = keptBeforeCursor;
        QApplication::beep();
        return Acceptable;
    }
};

const QValidator* sharedValidator() {
    // Stateless, so one serves every editor.
    static const Windows1252Validator validator;
    return &validator;
}

} // namespace

FieldEditor::FieldEditor(int catalogueIndex, QWidget* parent)
    : QLineEdit(parent)
    , m_index(catalogueIndex) {
    const auto& entry = model::FieldCatalogue::entry(catalogueIndex);
    setObjectName(QString(model::FieldCatalogue::name(catalogueIndex)));
    setGeometry(entry.left, entry.top, entry.width, model::kFieldHeight);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int maxLength = model::FieldCatalogue::maxLength(catalogueIndex);
    if (maxLength > 0)
        setMaxLength(maxLength);
    setValidator(sharedValidator());
    setAttribute(Qt::WA_MacShowFocusRect, false);
    hide();
}

bool FieldEditor::event(QEvent* event) {
    // Ctrl+A belongs to the AutoFill menu while that offers it; otherwise it selects all.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
        event->ignore();
        return true;
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
