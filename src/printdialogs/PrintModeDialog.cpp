#include "printdialogs/PrintModeDialog.h"

#include "resources/ResourcePaths.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace cw::printdialogs {

namespace {

constexpr int kBevelWidth = 87;
constexpr int kDescriptionHeight = 150;

// The descriptions as shown; each begins with ten blanks.
QString descriptionA() {
    return QStringLiteral(
        "          Prints out text only. You supply the UB-04 forms to be printed "
        "on. Go to Print Alignment (in the File menu) if printed text doesn't "
        "line up with the form.");
}

QString descriptionB() {
    return QStringLiteral(
        "          Prints out text combined with a black & white copy of the UB-04 form.");
}

QString descriptionC() {
    return QStringLiteral(
        "          Prints out text combined with a color copy of the UB-04 form. This option "
        "assumes that you will be attempting to submit these color forms to OCR-equipped payers "
        "in place of real UB-04 forms. This is not recommended for several reasons. First, real "
        "UB-04 forms are printed in a special OCR-blind red ink that is only available to "
        "commercial printing houses (however, some newer OCR machines are also blind to regular "
        "red ink).  Second, real UB-04 forms fill the entire 8.5 x 11 inch sheet of paper, while "
        "these ones are truncated based on the margins of your printer. This may or may not be "
        "acceptable to your payers.  Finally, printing out color UB-04 forms is not "
        "cost-effective in the long run unless you are using a color laser or other high "
        "capacity printer. If you aren't, it will be less expensive to buy the forms. If you do "
        "choose to submit claims in this manner, it is highly recommended that you:\n\n"
        "1. First send a sample form to your payers to see if they approve.\n\n"
        "2. Make sure that the printed text (in \"Text Only\" print mode) is properly aligned "
        "with a real UB-04 form. This ensures that text will be in the same position as if it "
        "were printed onto an actual UB-04 form. This is of critical importance if you want your "
        "printed forms to be readable by OCR machines.");
}

QLabel* preview(const char* objectName, const resources::Picture& picture) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1StringView(objectName));
    label->setPixmap(QPixmap(resources::path(picture)));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame* bevel(const char* objectName, std::initializer_list<QLabel*> previews) {
    auto* frame = new QFrame;
    frame->setObjectName(QLatin1StringView(objectName));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setFixedWidth(kBevelWidth);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QLabel* label : previews)
        layout->addWidget(label);
    return frame;
}

QLabel* description(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1StringView(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

PrintModeDialog::PrintModeDialog(printing::PrintModeSettings& settings, QWidget* parent)
    : FixedDialog(parent)
    , m_settings(settings) {
    setObjectName(QStringLiteral("TFormPrintMode"));
    setWindowTitle(tr("Print Mode"));

    m_optionRegular = new QRadioButton(tr("Text Only"));
    m_optionRegular->setObjectName(QStringLiteral("optionRegular"));
    m_optionLinesAndBoxes = new QRadioButton(tr("Text && Form"));
    m_optionLinesAndBoxes->setObjectName(QStringLiteral("OptionLinesandboxes"));
    m_checkBoxColor = new QCheckBox(tr("Color"));
    m_checkBoxColor->setObjectName(QStringLiteral("CheckBoxColor"));

    QLabel* imageRegular = preview("imageRegular", resources::kPreviewTextOnly);
    m_imageLinesAndBoxes = preview("imageLinesAndBoxes", resources::kPreviewFormBlack);
    m_imageLinesAndBoxesColor = preview("imageLinesAndBoxesColor", resources::kPreviewFormColor);

    m_labelRegular = description("labelRegular", descriptionA());
    m_labelLinesAndBoxes = description("labelLinesandboxes", descriptionB());
    m_labelLinesAndBoxesColor = description("labelLinesandboxesColor", descriptionC());
    auto* descriptions = new QWidget;
    auto* descriptionLayout = new QVBoxLayout(descriptions);
    descriptionLayout->addWidget(m_labelRegular);
    descriptionLayout->addWidget(m_labelLinesAndBoxes);
    descriptionLayout->addWidget(m_labelLinesAndBoxesColor);
    descriptionLayout->addStretch();
    auto* scrollBox = new QScrollArea;
    scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox->setWidget(descriptions);
    scrollBox->setWidgetResizable(true);
    scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox->setFixedHeight(kDescriptionHeight);

    auto* choices = new QGridLayout;
    choices->addWidget(m_optionRegular, 0, 0, Qt::AlignHCenter);
    choices->addWidget(m_optionLinesAndBoxes, 0, 2, Qt::AlignHCenter);
    choices->addWidget(bevel("Bevel1", {imageRegular}), 1, 0, Qt::AlignHCenter);
    choices->addWidget(m_checkBoxColor, 1, 1, Qt::AlignCenter);
    choices->addWidget(bevel("Bevel2", {m_imageLinesAndBoxes, m_imageLinesAndBoxesColor}), 1, 2,
                       Qt::AlignHCenter);
    choices->setColumnMinimumWidth(1, 80);

    QLayout* buttons = okCancelRow(
        "btnPrintModeOK", "btnPrintModeCancel", [this] { btnPrintModeOKClick(); },
        [this] { btnPrintModeCancelClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(scrollBox);
    layout->addLayout(buttons);
    setFixedWidth(440);

    connect(m_optionRegular, &QRadioButton::toggled, this, &PrintModeDialog::refreshUserInterface);
    connect(m_checkBoxColor, &QCheckBox::toggled, this, &PrintModeDialog::refreshUserInterface);

    setControlsFromPrintMode();
    refreshUserInterface();
    fixSize();
}

QDialog::DialogCode PrintModeDialog::formshowmodal() {
    setControlsFromPrintMode();
    return execCentred();
}

void PrintModeDialog::formshow() {
    showCentred();
}

printing::PrintModeChoice PrintModeDialog::selection() const {
    return {.textOnly = m_optionRegular->isChecked(), .colour = m_checkBoxColor->isChecked()};
}

void PrintModeDialog::refreshUserInterface() {
    const printing::PrintModeChoice choice = selection();
    m_labelRegular->setVisible(choice.textOnly);
    m_labelLinesAndBoxes->setVisible(!choice.textOnly && !choice.colour);
    m_labelLinesAndBoxesColor->setVisible(!choice.textOnly && choice.colour);
    m_imageLinesAndBoxes->setVisible(!choice.colour);
    m_imageLinesAndBoxesColor->setVisible(choice.colour);
    m_checkBoxColor->setVisible(!choice.textOnly);
}

void PrintModeDialog::setControlsFromPrintMode() {
    // A mode word that is neither known one selects text and form, as a changed preference
    // can leave it; such a mode prints no picture until the user confirms here.
    if (m_settings.isTextOnly())
        m_optionRegular->setChecked(true);
    else
        m_optionLinesAndBoxes->setChecked(true);
    m_checkBoxColor->setChecked(m_settings.isColourChosen());
}

void PrintModeDialog::btnPrintModeOKClick() {
    m_settings.commit(selection());
    accept();
    emit printModeCommitted();
}

void PrintModeDialog::btnPrintModeCancelClick() {
    reject();
}

} // namespace cw::printdialogs
