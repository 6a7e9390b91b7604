#include "printdialogs/PrinterAlignmentDialog.h"

#include "platform/MakerValues.h"
#include "printdialogs/AlignmentPreviewView.h"
#include "printdialogs/AmountText.h"
#include "resources/ResourcePaths.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace cw::printdialogs {

namespace {

using printing::BandAxis;

constexpr QSize kClientSize(670, 472);
constexpr int kRepeatDelayMs = 500;
constexpr int kRepeatIntervalMs = 75;
// "It's Not Working" comes with the seventh test print of one opening.
constexpr int kTestPrintsBeforeHelp = 6;

// The quarters from the top, by digit, and the thirds from the left.
constexpr int kQuarters[] = {1, 2, 3, 7};
constexpr int kThirds[] = {4, 5, 6};

// Left panel: the step buttons, then the rectangle of the quarters.
constexpr QRect kQuarterFrame(58, 32, 180, 336);
constexpr int kQuarterHeight = 84;
// Right panel: the rectangle of the thirds, their step buttons under it, the preview below.
constexpr QRect kThirdFrame(254, 32, 402, 100);
constexpr int kThirdWidth = 134;
constexpr QRect kPreviewCaption(254, 170, 402, 20);

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFont bold(QFont font) {
    font.setBold(true);
    return font;
}

QString digitName(const char* stem, int digit, const char* tail = "") {
    return QLatin1StringView(stem) + QString::number(digit) + QLatin1StringView(tail);
}

QString bandName(int digit) {
    switch (digit) {
    case 1:
        return QObject::tr("first quarter");
    case 2:
        return QObject::tr("second quarter");
    case 3:
        return QObject::tr("third quarter");
    case 7:
        return QObject::tr("fourth quarter");
    case 4:
        return QObject::tr("left third");
    case 5:
        return QObject::tr("middle third");
    default:
        return QObject::tr("right third");
    }
}

} // namespace

// A rectangle divided into equal parts by lines: the page's quarters or thirds. The part
// whose place the preview shows is tinted.
class BandFrame : public QWidget {
public:
    BandFrame(int parts, Qt::Orientation orientation, QWidget* parent)
        : QWidget(parent)
        , m_parts(parts)
        , m_orientation(orientation) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    // -1: none.
    void setTinted(int part) {
        if (part != m_tinted) {
            m_tinted = part;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect box = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(box, palette().color(QPalette::Base));
        if (m_tinted >= 0)
            painter.fillRect(partRect(box, m_tinted), QColor(0xFF, 0xF6, 0xD5));
        painter.setPen(QPen(palette().color(QPalette::Dark), 1));
        painter.drawRect(box);
        for (int i = 1; i < m_parts; ++i) {
            const QRect part = partRect(box, i);
            if (m_orientation == Qt::Vertical)
                painter.drawLine(0, part.top(), box.width(), part.top());
            else
                painter.drawLine(part.left(), 0, part.left(), box.height());
        }
    }

private:
    QRect partRect(const QRect& box, int i) const {
        if (m_orientation == Qt::Vertical) {
            const int top = box.height() * i / m_parts;
            return {0, top, box.width(), box.height() * (i + 1) / m_parts - top};
        }
        const int left = box.width() * i / m_parts;
        return {left, 0, box.width() * (i + 1) / m_parts - left, box.height()};
    }

    int m_parts;
    Qt::Orientation m_orientation;
    int m_tinted = -1;
};

PrinterAlignmentDialog::PrinterAlignmentDialog(
    prefs::TypedPreferences& preferences, std::function<printing::PrintJobSettings()> jobSettings,
    QWidget* parent)
    : FixedDialog(parent)
    , m_preferences(preferences)
    , m_jobSettings(std::move(jobSettings))
    , m_timer1(new QTimer(this))
    , m_timer2(new QTimer(this)) {
    setObjectName(QStringLiteral("TFormPrinterAlignment"));
    setWindowTitle(tr("Printer Alignment"));
    m_showMessage = [this](const QString& text) {
        QMessageBox::information(this, windowTitle(), text);
    };

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kRepeatDelayMs);
    m_timer1->setSingleShot(true);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(kRepeatIntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &PrinterAlignmentDialog::Timer1Timer);
    connect(m_timer2, &QTimer::timeout, this, &PrinterAlignmentDialog::Timer2Timer);

    buildQuarters();
    buildThirds();

    m_previewCaption = label(QStringLiteral("LabelPreview"), QString(), this);
    m_previewCaption->setGeometry(kPreviewCaption);
    m_preview = new AlignmentPreviewView(this);
    m_preview->setObjectName(QStringLiteral("AlignmentPreview"));
    m_preview->move(kPreviewCaption.left(), kPreviewCaption.bottom() + 2);
    m_preview->setAccessibleName(tr("Where the test print puts the text on the form"));

    auto* defaults = new QPushButton(tr("Return to Defaults"), this);
    defaults->setObjectName(QStringLiteral("ButtonDefaults"));
    defaults->setGeometry(260, 376, 150, 28);
    connect(defaults, &QPushButton::clicked, this, &PrinterAlignmentDialog::ButtonDefaultsClick);

    QLabel* note = label(
        QStringLiteral("Label8"),
        tr("Note: Signature (Field 85) is controlled automatically and cannot be adjusted."), this);
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(16, 410, 638, 20);

    m_notWorking = new QPushButton(tr("It's Not Working"), this);
    m_notWorking->setObjectName(QStringLiteral("Button2"));
    m_notWorking->setGeometry(12, 436, 122, 28);
    m_notWorking->hide();
    connect(m_notWorking, &QPushButton::clicked, this, &PrinterAlignmentDialog::Button2Click);

    auto* testPrint = new QPushButton(tr("Test Print (Text Only)"), this);
    testPrint->setObjectName(QStringLiteral("Button1"));
    testPrint->setGeometry(142, 436, 160, 28);
    connect(testPrint, &QPushButton::clicked, this, &PrinterAlignmentDialog::Button1Click);

    auto* okCancel = new QWidget(this);
    okCancel->setLayout(okCancelRow(
        "Button15", "Button16", [this] { Button15Click(); }, [this] { Button16Click(); }));
    okCancel->layout()->setContentsMargins(0, 0, 0, 0);
    okCancel->setGeometry(314, 436, 176, 28);
    m_ok = okCancel->findChild<QPushButton*>(QStringLiteral("Button15"));

    auto* advanced = new QPushButton(tr("Advanced Alignment"), this);
    advanced->setObjectName(QStringLiteral("Button3"));
    advanced->setGeometry(504, 436, 154, 28);
    connect(advanced, &QPushButton::clicked, this, &PrinterAlignmentDialog::Button3Click);

    setFixedSize(kClientSize);
}

BandFrame* PrinterAlignmentDialog::buildPanel(const QString& headingName, const QString& heading,
                                              const QRect& frame, int parts,
                                              Qt::Orientation orientation) {
    QLabel* title = label(headingName, heading, this);
    title->setFont(bold(font()));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(frame.left(), 8, frame.width(), 20);
    auto* bands = new BandFrame(parts, orientation, this);
    bands->setGeometry(frame);
    return bands;
}

// A band's step button, named as the step handler reads it: "Button" + digit + the way.
QPushButton* PrinterAlignmentDialog::stepButton(int digit, const char* way, const QRect& geometry) {
    auto* button = new QPushButton(this);
    button->setObjectName(digitName("Button", digit, way));
    button->setToolTip(
        tr("Move the text in the %1 %2").arg(bandName(digit), QString::fromLatin1(way).toLower()));
    button->setGeometry(geometry);
    return button;
}

void PrinterAlignmentDialog::buildQuarters() {
    m_quarterFrame =
        buildPanel(QStringLiteral("Label1"), tr("Up-Down "), kQuarterFrame, 4, Qt::Vertical);
    for (int i = 0; i < 4; ++i) {
        const int digit = kQuarters[i];
        const int top = kQuarterFrame.top() + i * kQuarterHeight;
        auto* area = new QWidget(this);
        area->setGeometry(kQuarterFrame.left() + 1, top + 1, kQuarterFrame.width() - 2,
                          kQuarterHeight - 2);
        QPushButton* up = stepButton(digit, "Up", QRect(16, top + 12, 36, 28));
        up->setIcon(QIcon(resources::path(resources::kArrowUp)));
        QPushButton* down = stepButton(digit, "Down", QRect(16, top + 44, 36, 28));
        down->setIcon(QIcon(resources::path(resources::kArrowDown)));
        buildBand(digit, area, up, down);
    }
}

void PrinterAlignmentDialog::buildThirds() {
    m_thirdFrame =
        buildPanel(QStringLiteral("Label2"), tr("Left-Right"), kThirdFrame, 3, Qt::Horizontal);
    for (int i = 0; i < 3; ++i) {
        const int digit = kThirds[i];
        const int left = kThirdFrame.left() + i * kThirdWidth;
        auto* area = new QWidget(this);
        area->setGeometry(left + 1, kThirdFrame.top() + 1, kThirdWidth - 2,
                          kThirdFrame.height() - 2);
        const int buttonsTop = kThirdFrame.bottom() + 6;
        QPushButton* minus = stepButton(digit, "Left", QRect(left + 25, buttonsTop, 40, 28));
        minus->setText(QStringLiteral("<"));
        QPushButton* plus = stepButton(digit, "Right", QRect(left + 69, buttonsTop, 40, 28));
        plus->setText(QStringLiteral(">"));
        buildBand(digit, area, minus, plus);
    }
}

// The labels of one band inside its part of the rectangle, and its two step buttons.
void PrinterAlignmentDialog::buildBand(int digit, QWidget* area, QPushButton* minus,
                                       QPushButton* plus) {
    const bool quarter = printing::alignmentBand(digit).axis == BandAxis::Vertical;
    QLabel* heading = label(
        digitName("LabelBand", digit),
        quarter ? tr("Text In This Quarter Is Moved:") : tr("Text In This Third Is Moved:"), area);
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignCenter);

    auto* direction = new QWidget(area);
    auto* directionLayout = new QGridLayout(direction);
    directionLayout->setContentsMargins(0, 0, 0, 0);
    QLabel* negative =
        label(digitName("Label", digit, "Neg"), quarter ? tr("Up") : tr("Left"), direction);
    QLabel* positive =
        label(digitName("Label", digit, "Pos"), quarter ? tr("Down") : tr("Right"), direction);
    for (QLabel* word : {negative, positive}) {
        word->setFont(bold(font()));
        word->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        word->hide();
        directionLayout->addWidget(word, 0, 0);
    }
    // Room for the longer word, so the amount stays put when the direction changes.
    direction->setFixedWidth(std::max(negative->sizeHint().width(), positive->sizeHint().width()) +
                             2);

    QLabel* amount = label(digitName("DecimalLabel", digit), twoDecimals(0), area);
    amount->setFont(bold(font()));
    QLabel* unit = label(digitName("LabelUnit", digit), tr("Inches"), area);
    QLabel* value = label(digitName("AlignLabel", digit), QStringLiteral("0"), area);
    value->hide();

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(direction);
    row->addWidget(amount);
    row->addWidget(unit);
    row->addStretch();
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(4, 4, 4, 6);
    layout->addWidget(heading);
    layout->addLayout(row);

    for (QPushButton* button : {minus, plus}) {
        button->setAccessibleName(button->toolTip());
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, button] { Button1UpClick(button); });
        connect(button, &QPushButton::pressed, this,
                [this, button] { Button1UpMouseDown(button); });
        connect(button, &QPushButton::released, this, &PrinterAlignmentDialog::Button1UpMouseUp);
    }
}

template <typename T>
T* PrinterAlignmentDialog::control(const QString& name) const {
    T* found = findChild<T*>(name);
    Q_ASSERT(found);
    return found;
}

int PrinterAlignmentDialog::stepValue(int digit) const {
    return control<QLabel>(digitName("AlignLabel", digit))->text().toInt();
}

void PrinterAlignmentDialog::setStepValue(int digit, int value) {
    control<QLabel>(digitName("AlignLabel", digit))->setText(QString::number(value));
    UpdateLabel(digit);
}

printing::AlignmentSteps PrinterAlignmentDialog::steps() const {
    printing::AlignmentSteps steps;
    for (const printing::AlignmentBand& band : printing::alignmentBands())
        steps.setStep(band.digit, stepValue(band.digit));
    return steps;
}

void PrinterAlignmentDialog::init() {
    m_testPrints = 0;
    m_notWorking->hide();
    const printing::AlignmentSteps stored = printing::AlignmentSteps::load(m_preferences);
    for (const printing::AlignmentBand& band : printing::alignmentBands())
        control<QLabel>(digitName("AlignLabel", band.digit))
            ->setText(QString::number(stored.step(band.digit)));
    for (const printing::AlignmentBand& band : printing::alignmentBands())
        UpdateLabel(band.digit);
    m_previewBand = 1;
    showCentred();
    redrawPreview();
    m_ok->setFocus(Qt::OtherFocusReason);
    control<QLabel>(QStringLiteral("Label8"))->show();
}

// The band's amount in inches (a step is 0.02) and which way it moves; nothing at 0.
void PrinterAlignmentDialog::UpdateLabel(int digit) {
    const int v = stepValue(digit);
    control<QLabel>(digitName("DecimalLabel", digit))
        ->setText(twoDecimals(v * 2)); // 0.02 inch a step
    control<QLabel>(digitName("Label", digit, "Pos"))->setVisible(v > 0);
    control<QLabel>(digitName("Label", digit, "Neg"))->setVisible(v < 0);
    redrawPreview();
}

void PrinterAlignmentDialog::redrawPreview() {
    m_previewCaption->setText(tr("How the test print lands on the form: %1")
                                  .arg(AlignmentPreviewView::areaName(m_previewBand)));
    const auto partOf = [this](std::span<const int> digits) {
        const auto found = std::find(digits.begin(), digits.end(), m_previewBand);
        return found == digits.end() ? -1 : int(found - digits.begin());
    };
    m_quarterFrame->setTinted(partOf(kQuarters));
    m_thirdFrame->setTinted(partOf(kThirds));
    // Only shown values are drawn: the dialog's own construction draws nothing.
    if (isVisible())
        m_preview->draw(m_previewBand, steps().pageOffsets(), m_jobSettings());
}

// One step for the button's band: its digit is the seventh character of its name, and the name
// says the way. Steps beyond the ends are dropped without a word.
void PrinterAlignmentDialog::Button1UpClick(QPushButton* button) {
    const QString name = button->objectName();
    const int digit = name.at(6).digitValue();
    int v = stepValue(digit);
    if (name.contains(u"Up") || name.contains(u"Left")) {
        if (v <= -printing::kMaxAlignmentStep)
            return;
        --v;
    } else if (name.contains(u"Down") || name.contains(u"Right")) {
        if (v >= printing::kMaxAlignmentStep)
            return;
        ++v;
    }
    m_previewBand = digit;
    setStepValue(digit, v);
}

void PrinterAlignmentDialog::Button1UpMouseDown(QPushButton* button) {
    m_repeating = button;
    m_timer1->start();
}

void PrinterAlignmentDialog::Button1UpMouseUp() {
    m_timer1->stop();
    m_timer2->stop();
}

void PrinterAlignmentDialog::Timer1Timer() {
    m_timer2->start();
}

void PrinterAlignmentDialog::Timer2Timer() {
    if (m_repeating)
        Button1UpClick(m_repeating);
}

void PrinterAlignmentDialog::ButtonDefaultsClick() {
    for (const printing::AlignmentBand& band : printing::alignmentBands())
        setStepValue(band.digit, 0);
}

void PrinterAlignmentDialog::Button15Click() {
    hide();
    steps().store(m_preferences);
}

void PrinterAlignmentDialog::Button16Click() {
    hide();
}

void PrinterAlignmentDialog::hideEvent(QHideEvent* event) {
    Button1UpMouseUp();
    FixedDialog::hideEvent(event);
}

void PrinterAlignmentDialog::Button1Click() {
    ++m_testPrints;
    if (m_testPrints > kTestPrintsBeforeHelp && m_notWorking->isHidden())
        m_notWorking->show();
    emit testPrintRequested();
}

void PrinterAlignmentDialog::Button2Click() {
    const platform::MakerValues maker = platform::makerValues();
    m_showMessage(tr("Please call support at %1 or e-mail %2.")
                      .arg(maker.supportTelephone, maker.supportEmail));
}

void PrinterAlignmentDialog::Button3Click() {
    hide();
    emit advancedAlignmentRequested();
}

} // namespace cw::printdialogs
