#include "printdialogs/FontSettingsDialog.h"

#include "prefs/TypedPreferences.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace cw::printdialogs {

namespace {

constexpr int kListedSizes[] = {8, 9, 10, 12};

} // namespace

FontSettingsDialog::FontSettingsDialog(printing::PrintFontSettings& font, QWidget* parent)
    : FixedDialog(parent)
    , m_font(font) {
    setObjectName(QStringLiteral("TFontSettings"));
    setWindowTitle(tr("Print Font"));

    auto* sizeLabel =
        new QLabel(tr("Font Size: (Default is %1)")
                       .arg(prefs::TypedPreferences::defaultNumber(prefs::Pref::PrintFontSize)));
    sizeLabel->setObjectName(QStringLiteral("Label1"));
    m_sizes = new QListWidget;
    m_sizes->setObjectName(QStringLiteral("ListBox1"));
    for (const int size : kListedSizes)
        m_sizes->addItem(QString::number(size));
    m_sizes->setFixedSize(80, m_sizes->sizeHintForRow(0) * 4 + 2 * m_sizes->frameWidth() + 4);
    m_bold = new QCheckBox(tr("Bold"));
    m_bold->setObjectName(QStringLiteral("CheckBox1"));
    auto* note = new QLabel(tr("All forms are printed in Courier New font, because it is "
                               "preferred by most insurance companies. "));
    note->setObjectName(QStringLiteral("Label2"));
    note->setWordWrap(true);

    auto* choices = new QGridLayout;
    choices->addWidget(sizeLabel, 0, 0);
    choices->addWidget(m_sizes, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    choices->addWidget(m_bold, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    choices->setColumnStretch(1, 1);
    QLayout* buttons = okCancelRow(
        "btnFontOK", "btnFontCancel", [this] { btnFontOKClick(); },
        [this] { btnFontCancelClick(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(note);
    layout->addLayout(buttons);
    setFixedWidth(300);

    m_bold->setChecked(m_font.isBold());
    fixSize();
}

void FontSettingsDialog::formshow() {
    const QList<QListWidgetItem*> matches =
        m_sizes->findItems(QString::number(m_font.size()), Qt::MatchExactly);
    m_sizes->clearSelection();
    m_sizes->setCurrentItem(matches.isEmpty() ? nullptr : matches.front(),
                            QItemSelectionModel::ClearAndSelect);
    m_bold->setChecked(m_font.isBold());
    showCentred();
}

std::optional<int> FontSettingsDialog::selectedSize() const {
    const QList<QListWidgetItem*> selected = m_sizes->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front()->text().toInt();
}

bool FontSettingsDialog::isBoldTicked() const {
    return m_bold->isChecked();
}

void FontSettingsDialog::btnFontOKClick() {
    hide();
    m_font.commit(selectedSize(), isBoldTicked());
    emit printFontCommitted();
}

void FontSettingsDialog::btnFontCancelClick() {
    hide();
}

} // namespace cw::printdialogs
