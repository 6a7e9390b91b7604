#include "editor/CaptionLabel.h"

#include "model/FieldCatalogue.h"

#include <QMouseEvent>

namespace cw::editor {

CaptionLabel::CaptionLabel(int catalogueIndex, QWidget* parent)
    : QLabel(parent)
    , m_index(catalogueIndex) {
    const auto& entry = model::FieldCatalogue::entry(catalogueIndex);
    setObjectName(model::FieldCatalogue::captionLabelName(catalogueIndex));
    setGeometry(entry.left + 3, entry.top + 2, entry.width, model::kFieldHeight);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::IBeamCursor);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mousePressEvent(event);
}

} // namespace cw::editor
