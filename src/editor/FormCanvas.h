#pragma once

// The form picture with the 509 fields of the claim document laid over it at the catalogue
// rectangles: a caption label that shows the field's value, and the field's editor where the
// value is typed. The canvas shows the document's values as they change and sends the user's
// edits to it. The hint anchors and icons and the revenue-row marker sit on it too.
//
// An editor is made the first time it is needed (opened, or asked for): making all 509 at
// start-up would double the time the window takes to come up.

#include "model/ClaimDocument.h"

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
    // The document must outlive the canvas.
    FormCanvas(model::ClaimDocument& document, const QPixmap& formPicture, QWidget* parent);

    model::ClaimDocument& document() const { return m_document; }

    // The field's editor, made when first asked for.
    FieldEditor* editor(int catalogueIndex);
    // By field name; nullptr for a name that is not in the catalogue.
    FieldEditor* editor(QStringView fieldName);
    CaptionLabel* captionLabel(int catalogueIndex) const {
        return m_labels.at(std::size_t(catalogueIndex));
    }

    // In-place editing.
    void openFieldEditor(CaptionLabel* label);
    void closeFieldEditor(FieldEditor* editor);
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
    // Focus came into a field's editor, or left it (and the editor closed).
    void fieldEntered(int catalogueIndex);
    void fieldLeft(int catalogueIndex);
    // Typed or pasted characters that a claim file cannot store were left out.
    void inputRefused(const QString& text);
    // A field's editor was just made; field handlers attach to it here.
    void editorCreated(FieldEditor* editor);

private:
    FieldEditor* createEditor(int catalogueIndex);
    void showValue(int catalogueIndex, const QString& text);

    model::ClaimDocument& m_document;
    std::array<FieldEditor*, model::kFieldCount> m_editors{};
    std::array<CaptionLabel*, model::kFieldCount> m_labels{};
    std::vector<QLabel*> m_hintAnchors;
    std::vector<QLabel*> m_hintIcons;
    QLabel* m_marker = nullptr;
    int m_markerRow = 0;
    int m_selectedField = -1;
};

} // namespace cw::editor
