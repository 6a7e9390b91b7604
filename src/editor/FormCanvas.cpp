#include "editor/FormCanvas.h"

#include "editor/CaptionLabel.h"
#include "editor/EditorApplication.h"
#include "editor/FieldEditor.h"
#include "editor/FieldFont.h"

#include <QKeyEvent>
#include <QLabel>

namespace cw::editor {

using model::FieldCatalogue;
using model::kFieldCount;

namespace {

// The first text is the marker's at start-up, the second once the user has moved it.
const char* const kMarkerHint = "Triple Click on any one of the revenue rows to set this marker. "
                                "\r\nThis marker determines which rows will be autofilled.";
const char* const kMovedMarkerHint =
    "Triple click on any one of the transaction rows to set this marker. \r\nThis marker "
    "determines which rows will be autofilled.";

QSize logicalSize(const QPixmap& picture) {
    return (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
}

} // namespace

FormCanvas::FormCanvas(model::ClaimDocument& document, const QPixmap& formPicture, QWidget* parent)
    : QWidget(parent)
    , m_document(document) {
    setObjectName(QStringLiteral("FormCanvas"));
    // Editors and caption labels take the field font from here.
    setFont(fieldFont());
    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("Imagebackground"));
    background->setPixmap(formPicture);
    background->setGeometry(QRect(QPoint(0, 0), logicalSize(formPicture)));
    setFixedSize(logicalSize(formPicture));

    for (int i = 0; i < kFieldCount; ++i) {
        auto* label = new CaptionLabel(i, this);
        m_labels[std::size_t(i)] = label;
        connect(label, &CaptionLabel::clicked, this, [this, label] { openFieldEditor(label); });
    }
    for (const auto& anchor : FieldCatalogue::hintAnchors()) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(anchor.name));
        label->setGeometry(anchor.left, anchor.top, 22, 13);
        label->hide();
        m_hintAnchors.push_back(label);
    }
    connect(&m_document, &model::ClaimDocument::valueChanged, this, &FormCanvas::showValue);
}

FieldEditor* FormCanvas::editor(int catalogueIndex) {
    FieldEditor* e = m_editors.at(std::size_t(catalogueIndex));
    return e ? e : createEditor(catalogueIndex);
}

FieldEditor* FormCanvas::editor(QStringView fieldName) {
    const int index = FieldCatalogue::indexOf(fieldName);
    return index < 0 ? nullptr : editor(index);
}

FieldEditor* FormCanvas::createEditor(int i) {
    auto* e = new FieldEditor(i, this);
    e->setValue(m_document.value(i));
    // Just under its caption label, below the hint icons and the marker made after it.
    e->stackUnder(captionLabel(i));
    m_editors[std::size_t(i)] = e;
    connect(e, &FieldEditor::focusLeft, this, [this, e, i] {
        closeFieldEditor(e);
        emit fieldLeft(i);
    });
    connect(e, &FieldEditor::focusEntered, this, [this, i] { emit fieldEntered(i); });
    connect(e, &FieldEditor::changedByUser, this, [this, i](const QString& text) {
        m_document.setValue(i, text, model::ValueSource::Typing);
    });
    connect(e, &FieldEditor::charactersRefused, this, &FormCanvas::inputRefused);
    emit editorCreated(e);
    return e;
}

// Every change of a value shows at once in the caption label, also while the field's editor
// is hidden, and in the editor when the change did not come from it.
void FormCanvas::showValue(int catalogueIndex, const QString& text) {
    captionLabel(catalogueIndex)->setText(text);
    if (FieldEditor* e = m_editors.at(std::size_t(catalogueIndex)); e && e->text() != text)
        e->setValue(text);
}

void FormCanvas::openFieldEditor(CaptionLabel* label) {
    const QString fieldName = FieldCatalogue::fieldNameOfCaptionLabel(label->objectName());
    m_selectedField = FieldCatalogue::indexOf(fieldName);
    FieldEditor* e = editor(fieldName);
    if (!e)
        return;
    // The open editor closes itself when it loses the focus, but it never had the focus while
    // the window was inactive; one editor is open at a time all the same.
    if (FieldEditor* open = openEditor(); open && open != e)
        closeFieldEditor(open);
    label->hide();
    e->show();
    e->setFocus(Qt::OtherFocusReason);
    // Typing after a move replaces the value, as in any edit control that gets the focus.
    e->selectAll();
    emit fieldEditorOpened(m_selectedField);
}

void FormCanvas::closeFieldEditor(FieldEditor* e) {
    CaptionLabel* label = captionLabel(e->catalogueIndex());
    label->show();
    e->hide();
    e->clearOwnUndo();
}

FieldEditor* FormCanvas::openEditor() const {
    for (FieldEditor* e : m_editors)
        if (e && !e->isHidden())
            return e;
    return nullptr;
}

void FormCanvas::createHintIcons(const QPixmap& icon) {
    if (!m_hintIcons.empty())
        return;
    for (std::size_t n = 0; n < m_hintAnchors.size(); ++n) {
        QLabel* anchor = m_hintAnchors[n];
        auto* hint = new QLabel(this);
        hint->setObjectName(anchor->objectName());
        hint->setPixmap(icon);
        hint->setScaledContents(true);
        hint->setGeometry(anchor->x(), anchor->y(), 24, 15);
        hint->setToolTipDuration(kToolTipDurationMs);
        hint->hide();
        anchor->setObjectName(QStringLiteral("oldlabel%1").arg(n));
        m_hintIcons.push_back(hint);
    }
}

QLabel* FormCanvas::hintIcon(QStringView name) const {
    for (QLabel* icon : m_hintIcons)
        if (icon->objectName() == name)
            return icon;
    return nullptr;
}

void FormCanvas::createRevenueRowMarker(const QPixmap& picture) {
    if (m_marker)
        return;
    m_marker = new QLabel(this);
    m_marker->setObjectName(QStringLiteral("labelmarker"));
    m_marker->setPixmap(picture);
    m_marker->setScaledContents(true);
    m_marker->setToolTip(QString::fromLatin1(kMarkerHint));
    m_marker->setToolTipDuration(kToolTipDurationMs);
    const auto& line23 = FieldCatalogue::entry(FieldCatalogue::indexOf(u"edit38a"));
    m_marker->setGeometry(line23.left - 12, line23.top + 4, 10, 10);
    const auto& line22 = FieldCatalogue::entry(FieldCatalogue::indexOf(u"edit37a"));
    m_marker->move(line22.left - 9, line22.top + 4);
    m_markerRow = 37;
    m_marker->show();
}

void FormCanvas::moveRevenueRowMarker(int group) {
    if (!m_marker || group == m_markerRow)
        return;
    const auto& row = FieldCatalogue::entry(FieldCatalogue::indexAt(group, 'a'));
    m_marker->move(row.left - 10, row.top + 4);
    m_marker->setToolTip(QString::fromLatin1(kMovedMarkerHint));
    m_markerRow = group;
}

} // namespace cw::editor
