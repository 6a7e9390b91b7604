#pragma once

// The transparent label that shows a field's value over the form picture while the field's
// editor is closed. A click on it opens the editor.

#include <QLabel>

namespace cw::editor {

class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(int catalogueIndex, QWidget* parent);

    int catalogueIndex() const { return m_index; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_index;
};

} // namespace cw::editor
