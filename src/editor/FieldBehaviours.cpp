#include "editor/FieldBehaviours.h"

#include "editor/AutoFill.h"
#include "editor/AutomaticSettings.h"
#include "editor/CaptionLabel.h"
#include "editor/FieldEditor.h"
#include "editor/FieldNavigation.h"
#include "editor/FieldTyping.h"
#include "editor/FieldWiring.h"
#include "editor/FormCanvas.h"
#include "editor/HintMap.h"
#include "editor/HintTexts.h"
#include "editor/UserDialogs.h"
#include "model/ChargeTotals.h"
#include "model/FieldCatalogue.h"
#include "printing/PrintFontSettings.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

namespace cw::editor {

using model::FieldCatalogue;

namespace {

constexpr char16_t kTab = 9;
constexpr char16_t kEnter = 13;

bool isPrintable(char16_t code) {
    return code >= 32 && code <= 127;
}

// Where the typed character goes: a selection is replaced from its start.
int insertionPoint(const FieldEditor& editor) {
    return editor.hasSelectedText() ? editor.selectionStart() : editor.cursorPosition();
}

std::optional<ArrowDirection> arrowDirection(int key) {
    switch (key) {
    case Qt::Key_Up:
        return ArrowDirection::Up;
    case Qt::Key_Down:
        return ArrowDirection::Down;
    case Qt::Key_Left:
        return ArrowDirection::Left;
    case Qt::Key_Right:
        return ArrowDirection::Right;
    default:
        return std::nullopt;
    }
}

} // namespace

FieldBehaviours::FieldBehaviours(Context context, QObject* parent)
    : QObject(parent)
    , m_context(context) {
    FormCanvas& canvas = m_context.canvas;
    connect(&canvas, &FormCanvas::editorCreated, this, &FieldBehaviours::attach);
    connect(&canvas, &FormCanvas::fieldEntered, this, &FieldBehaviours::FieldEnter);
    connect(&canvas, &FormCanvas::fieldLeft, this, &FieldBehaviours::FieldExit);
    // Every change of a service-line cell, typed or set by the program (an AutoFill copy is a
    // change like any other), runs its change handler; undo and redo put back the copies and
    // totals themselves.
    connect(&m_context.document, &model::ClaimDocument::valueChanged, this,
            [this](int index, const QString&, model::ValueSource source) {
                if (source != model::ValueSource::History)
                    LineCellChange(index);
            });
}

void FieldBehaviours::attach(FieldEditor* editor) {
    editor->installEventFilter(this);
}

bool FieldBehaviours::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<FieldEditor*>(watched);
    if (!editor)
        return false;
    const int index = editor->catalogueIndex();
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        FieldKeyDown(index, key);
        if (const char16_t code = typedCharacterCode(key))
            return keyPress(*editor, code, key.modifiers().testFlag(Qt::ShiftModifier));
        return false;
    }
    case QEvent::MouseButtonPress:
        LineCellMouseDown(index, static_cast<QMouseEvent*>(event)->button());
        return false;
    case QEvent::MouseButtonDblClick:
        LineCellDblClick(index);
        return false;
    default:
        return false;
    }
}

void FieldBehaviours::openField(int index) {
    m_context.canvas.openFieldEditor(m_context.canvas.captionLabel(index));
}

QLabel* FieldBehaviours::hintIconOf(int index) const {
    const QString icon = hintIconOfField(index);
    return icon.isEmpty() ? nullptr : m_context.canvas.hintIcon(icon);
}

void FieldBehaviours::showHintIcon(QLabel* icon) {
    if (m_shownHintIcon && m_shownHintIcon != icon)
        m_shownHintIcon->hide();
    m_shownHintIcon = icon;
    if (icon)
        icon->show();
}

void FieldBehaviours::FieldEnter(int index) {
    // The field left before may have been closed without losing the focus (a prompt had it),
    // so its icon goes here too: only the current field's icon ever shows.
    showHintIcon(hintIconOf(index));
}

void FieldBehaviours::FieldExit(int index) {
    if (QLabel* icon = hintIconOf(index); icon && icon == m_shownHintIcon)
        showHintIcon(nullptr);
}

void FieldBehaviours::setHintTexts() {
    for (QLabel* icon : m_context.canvas.hintIcons()) {
        QString text = hintText(icon->objectName());
        // The texts keep their CR LF line breaks; a tool tip breaks its lines at LF alone.
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        icon->setToolTip(text);
    }
}

void FieldBehaviours::FieldKeyDown(int index, const QKeyEvent& key) {
    if (!key.modifiers().testFlag(Qt::ControlModifier))
        return;
    const std::optional<ArrowDirection> direction = arrowDirection(key.key());
    if (!direction)
        return;
    const ArrowMove move = ctrlArrowTarget(index, *direction);
    if (!move.target)
        return;
    openField(*move.target);
    QScrollBar& bar = m_context.verticalScrollBar;
    bar.setValue(bar.value() + move.scrollLineSteps * bar.singleStep());
}

bool FieldBehaviours::keyPress(FieldEditor& editor, char16_t code, bool shift) {
    const int index = editor.catalogueIndex();
    switch (keyPressHandler(index)) {
    case KeyPressHandler::Field:
        return FieldKeyPress(index, code, shift);
    case KeyPressHandler::Column:
        return ColumnKeyPress(index, code, shift);
    case KeyPressHandler::RevenueCode:
        return RevenueCodeKeyPress(editor, code, shift);
    case KeyPressHandler::ValueCents:
        return ValueCentsKeyPress(editor, code, shift);
    case KeyPressHandler::Jump:
        return JumpKeyPress(index, code, shift);
    case KeyPressHandler::TabOnly:
        return TabOnlyKeyPress(index, code, shift);
    }
    return false;
}

bool FieldBehaviours::FieldKeyPress(int index, char16_t code, bool shift) {
    recordTypedCharacter(m_context.document, m_context.settings.typedCells(), index, code);
    if (code != kTab)
        return false;
    openField(tabTarget(index, shift));
    return true;
}

bool FieldBehaviours::ColumnKeyPress(int index, char16_t code, bool shift) {
    if (FieldKeyPress(index, code, shift))
        return true;
    if (code != kEnter)
        return false;
    const std::optional<int> target = enterTarget(index);
    if (!target)
        return true;
    openField(*target);
    if (enterPutsCaretAtStart(index)) {
        FieldEditor* opened = m_context.canvas.editor(*target);
        opened->deselect();
        opened->setCursorPosition(0);
    }
    return true;
}

bool FieldBehaviours::RevenueCodeKeyPress(FieldEditor& editor, char16_t code, bool shift) {
    const int caret = insertionPoint(editor);
    const bool swallowed = ColumnKeyPress(editor.catalogueIndex(), code, shift);
    warnAboutFontSize(caret == 4, code, m_revenueCodeWarningShown,
                      tr("Warning: five digit revenue codes will usually not print properly if "
                         "the font size is more than 8."));
    return swallowed;
}

bool FieldBehaviours::ValueCentsKeyPress(FieldEditor& editor, char16_t code, bool shift) {
    const int index = editor.catalogueIndex();
    const int caret = insertionPoint(editor);
    const bool swallowed = index == FieldCatalogue::indexOf(u"edit15j")
                               ? FieldKeyPress(index, code, shift)
                               : ColumnKeyPress(index, code, shift);
    warnAboutFontSize(caret == 1, code, m_centsWarningShown,
                      tr("Warning: cent amounts in the rightmost value codes field will\r\n     "
                         "usually not print properly if the font size is more than 8."));
    return swallowed;
}

void FieldBehaviours::warnAboutFontSize(bool atWarningPlace, char16_t code, bool& shown,
                                        const QString& text) {
    if (!atWarningPlace || shown || !isPrintable(code) || m_context.printFont.size() <= 8)
        return;
    shown = true;
    m_context.dialogs.showMessage(text);
}

bool FieldBehaviours::JumpKeyPress(int index, char16_t code, bool shift) {
    if (FieldKeyPress(index, code, shift))
        return true;
    if (code != kEnter)
        return false;
    openField(*enterTarget(index));
    return true;
}

bool FieldBehaviours::TabOnlyKeyPress(int index, char16_t code, bool shift) {
    if (code == kTab)
        return FieldKeyPress(index, code, shift);
    return code == kEnter;
}

void FieldBehaviours::LineCellChange(int index) {
    if (!hasLineCellChange(index))
        return;
    AutomaticSettings& settings = m_context.settings;
    model::ClaimDocument& document = m_context.document;
    const auto at = FieldCatalogue::coordinates(index);
    if (settings.isAutoFillOn() && (at.column != 'a' || settings.isGateOpen()))
        autoFillColumn(document, settings.typedCells(), m_context.canvas.markerRow(), at.group,
                       at.column);
    if (const std::optional<model::ChargeSum> sum = model::chargeSumDrivenBy(index);
        sum && settings.isAutoAdditionOn()) {
        const model::ChargeTotal total =
            model::computeChargeTotal(*sum, [&document](int i) { return document.value(i); });
        const model::ChargeResultFields results = model::chargeResultFields(*sum);
        document.setValue(results.dollars, total.dollars, model::ValueSource::Program);
        document.setValue(results.cents, total.cents, model::ValueSource::Program);
    }
}

void FieldBehaviours::LineCellMouseDown(int index, Qt::MouseButton button) {
    if (button != Qt::RightButton || !hasLineCellMouse(index))
        return;
    const auto at = FieldCatalogue::coordinates(index);
    m_context.settings.typedCells().setTypedCellFlag(at.group, at.column);
}

void FieldBehaviours::LineCellDblClick(int index) {
    if (hasLineCellMouse(index))
        m_context.canvas.moveRevenueRowMarker(FieldCatalogue::coordinates(index).group);
}

} // namespace cw::editor
