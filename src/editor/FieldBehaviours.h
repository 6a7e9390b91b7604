#pragma once

// What every claim field does while the user works in it: the hint icon on focus, Tab, Enter
// and Ctrl+arrow moves, the flags a typed character sets, the two font-size warnings, AutoFill
// and automatic addition on a service-line change, and the revenue-row marker moved by a triple
// click. The decisions are plain functions (FieldWiring, FieldNavigation, AutoFill,
// ChargeTotals, HintMap); this class binds them to the canvas's editors.

#include "model/ClaimDocument.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QLabel;
class QScrollBar;

namespace cw::printing {
class PrintFontSettings;
}

namespace cw::editor {

class UserDialogs;
class AutomaticSettings;
class FieldEditor;
class FormCanvas;

class FieldBehaviours : public QObject {
    Q_OBJECT

public:
    struct Context {
        FormCanvas& canvas;
        model::ClaimDocument& document;
        AutomaticSettings& settings;
        const printing::PrintFontSettings& printFont;
        UserDialogs& dialogs;
        // Moved by the fixed Ctrl+Up and Ctrl+Down wraps between the top and bottom of the form.
        QScrollBar& verticalScrollBar;
    };

    explicit FieldBehaviours(Context context, QObject* parent = nullptr);

    // Gives every hint icon its help text; the icons exist from the first show on.
    void setHintTexts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach(FieldEditor* editor);
    void FieldEnter(int index);
    void FieldExit(int index);
    void FieldKeyDown(int index, const QKeyEvent& key);
    // The key-press handlers return true when they swallow the key.
    bool keyPress(FieldEditor& editor, char16_t code, bool shift);
    bool FieldKeyPress(int index, char16_t code, bool shift);
    bool ColumnKeyPress(int index, char16_t code, bool shift);
    bool RevenueCodeKeyPress(FieldEditor& editor, char16_t code, bool shift);
    bool ValueCentsKeyPress(FieldEditor& editor, char16_t code, bool shift);
    bool JumpKeyPress(int index, char16_t code, bool shift);
    bool TabOnlyKeyPress(int index, char16_t code, bool shift);
    void LineCellChange(int index);
    void LineCellMouseDown(int index, Qt::MouseButton button);
    void LineCellDblClick(int index);

    void openField(int index);
    // Shows text once per run when a printable character is typed at the place where the
    // warning applies and the committed print font is larger than 8 points.
    void warnAboutFontSize(bool atWarningPlace, char16_t code, bool& shown, const QString& text);
    QLabel* hintIconOf(int index) const;
    // Shows icon (none for nullptr) and hides the one shown before.
    void showHintIcon(QLabel* icon);

    Context m_context;
    bool m_revenueCodeWarningShown = false;
    bool m_centsWarningShown = false;
    QPointer<QLabel> m_shownHintIcon;
};

} // namespace cw::editor
