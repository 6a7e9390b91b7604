#pragma once

// The form picture with the 509 fields laid over it at the catalogue rectangles: a caption
// label that shows the field's value, and the field's editor where the value is typed. The
// hint anchors and icons and the revenue-row marker sit on it too.
//
// An editor is made the first time it is needed (opened, or asked for): making all 509 at
// start-up would double the time the window takes to come up. Until then the canvas holds the
// field's text; afterwards the editor does. Either way fieldTextChanged() reports each change.

#include "model/ClaimValues.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace cw::editor {

class CaptionLabel;
class FieldEditor;

class FormCanvas : public QWidget {
    Q_OBJECT

public:
    FormCanvas(const QPixmap& formPicture, QWidget* parent);

    // The field's editor, made when first asked for.
    FieldEditor* editor(int catalogueIndex);
    // By field name; nullptr for a name that is not in the catalogue.
    FieldEditor* editor(QStringView fieldName);
    CaptionLabel* captionLabel(int catalogueIndex) const {
        return m_labels.at(std::size_t(catalogueIndex));
    }

    QString text(int catalogueIndex) const;
    void setText(int catalogueIndex, const QString& text);
    model::ClaimValues values() const;
    void setValues(const model::ClaimValues& values);

    // In-place editing.
    void openFieldEditor(CaptionLabel* label);
    void closeFieldEditor(FieldEditor* editor);
    void mirrorFieldText(FieldEditor* editor);
    int selectedField() const { return m_selectedField; }
    // The editor that is open, or nullptr.
    FieldEditor* openEditor() const;

    // First show: hint anchors become hint icons, and the revenue-row marker appears.
    void createHintIcons(const QPixmap& icon);
    void createRevenueRowMarker(const QPixmap& picture);
    QLabel* revenueRowMarker() const { return m_marker; }
    int markerRow() const { return m_markerRow; }
    QLabel* hintIcon(QStringView name) const;
    const std::vector<QLabel*>& hintIcons() const { return m_hintIcons; }
    // Puts the marker at the left margin of service line group (16 to 38).
    void moveRevenueRowMarker(int group);

signals:
    void fieldEditorOpened(int catalogueIndex);
    // The field's text changed, typed or set by the program.
    void fieldTextChanged(int catalogueIndex, const QString& text);
    // The user changed the text in the open editor: typing, deleting, cutting or pasting.
    void fieldEdited(int catalogueIndex);
    // Focus came into a field's editor, or left it (and the editor closed).
    void fieldEntered(int catalogueIndex);
    void fieldLeft(int catalogueIndex);
    // Typed or pasted characters that a claim file cannot store were left out.
    void inputRefused(const QString& text);
    // A field's editor was just made; field handlers attach to it here.
    void editorCreated(FieldEditor* editor);

private:
    FieldEditor* createEditor(int catalogueIndex);

    std::array<FieldEditor*, model::kFieldCount> m_editors{};
    // The texts of fields whose editor does not exist yet.
    model::ClaimValues m_texts;
    std::array<CaptionLabel*, model::kFieldCount> m_labels{};
    std::vector<QLabel*> m_hintAnchors;
    std::vector<QLabel*> m_hintIcons;
    QLabel* m_marker = nullptr;
    int m_markerRow = 0;
    int m_selectedField = -1;
};

} // namespace cw::editor
