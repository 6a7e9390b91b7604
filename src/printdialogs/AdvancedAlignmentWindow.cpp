#include "printdialogs/AdvancedAlignmentWindow.h"

#include "printdialogs/AmountText.h"
#include "resources/ResourcePaths.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QToolButton>

namespace cw::printdialogs {

namespace {

constexpr QSize kClientSize(256, 149);
constexpr platform::RememberedPosition kRememberedPosition{
    AdvancedAlignmentWindow::kLeftValue, AdvancedAlignmentWindow::kTopValue,
    AdvancedAlignmentWindow::kDesignedPosition};
constexpr int kBlinkMs = 500;
const QColor kBlinkColour(0, 0, 255);

// A slider step is shown as six hundredths.
QString amount(int value) {
    return twoDecimals(value * 6);
}

QSlider* slider(const char* name, Qt::Orientation orientation, const QString& tip,
                QWidget* parent) {
    auto* s = new QSlider(orientation, parent);
    s->setObjectName(QLatin1StringView(name));
    s->setRange(-AdvancedAlignmentWindow::kMaxShift, AdvancedAlignmentWindow::kMaxShift);
    s->setValue(0);
    s->setTickPosition(QSlider::TicksBothSides);
    s->setTickInterval(1);
    s->setPageStep(1);
    s->setToolTip(tip);
    s->setAccessibleName(tip);
    return s;
}

} // namespace

AdvancedAlignmentWindow::AdvancedAlignmentWindow(printing::FieldOffsets& offsets,
                                                 printing::FieldOffsetsFile file,
                                                 platform::UserRegistry registry, int currentField,
                                                 QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_offsets(offsets)
    , m_file(std::move(file))
    , m_registry(std::move(registry)) {
    setObjectName(QStringLiteral("TfrmAdvancedAlignment"));
    setWindowTitle(tr("Advanced Alignment"));
    setFixedSize(kClientSize);
    m_askResetAll = [this](const QString& text) {
        return QMessageBox::warning(this, windowTitle(), text,
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    m_showError = [this](const QString& text) {
        QMessageBox::critical(this, windowTitle(), text);
    };

    // The upper end is up, the right end is right: QSlider's own directions.
    m_vertical = slider("trkVert", Qt::Vertical, tr("Move this field's text up or down"), this);
    m_vertical->setGeometry(6, 4, 34, 112);
    m_horizontal =
        slider("trkHorz", Qt::Horizontal, tr("Move this field's text left or right"), this);
    m_horizontal->setGeometry(48, 112, 202, 34);
    connect(m_vertical, &QSlider::valueChanged, this, &AdvancedAlignmentWindow::trkVertChange);
    connect(m_horizontal, &QSlider::valueChanged, this, &AdvancedAlignmentWindow::trkHorzChange);

    auto* heading = new QLabel(tr("Moves the text of the field last clicked on the form:"), this);
    heading->setObjectName(QStringLiteral("LabelField"));
    heading->setWordWrap(true);
    heading->setGeometry(48, 4, 168, 34);

    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    m_verticalAmount = new QLabel(this);
    m_verticalAmount->setObjectName(QStringLiteral("lbV"));
    m_verticalAmount->setFont(big);
    m_verticalAmount->setGeometry(52, 44, 160, 22);
    m_horizontalAmount = new QLabel(this);
    m_horizontalAmount->setObjectName(QStringLiteral("LbH"));
    m_horizontalAmount->setFont(big);
    m_horizontalAmount->setGeometry(52, 76, 160, 22);

    m_save = new QToolButton(this);
    m_save->setObjectName(QStringLiteral("SpeedButton1"));
    m_save->setAutoRaise(true);
    m_save->setIcon(QIcon(resources::path(resources::kSaveButton)));
    m_save->setIconSize(QSize(16, 16));
    m_save->setToolTip(tr("Save the alignment of this field"));
    m_save->setAccessibleName(m_save->toolTip());
    m_save->setGeometry(kClientSize.width() - 32, 4, 28, 28);
    connect(m_save, &QToolButton::clicked, this, &AdvancedAlignmentWindow::SpeedButton1Click);

    m_reset = new QLabel(tr("Reset"), this);
    m_reset->setObjectName(QStringLiteral("LbReset"));
    QFont boldFont = font();
    boldFont.setBold(true);
    m_reset->setFont(boldFont);
    m_reset->setCursor(Qt::PointingHandCursor);
    m_reset->setGeometry(6, 124, 40, 20);
    m_reset->installEventFilter(this);
    m_blink = new QTimer(this);
    m_blink->setObjectName(QStringLiteral("ResetBlink"));
    m_blink->setInterval(kBlinkMs);
    connect(m_blink, &QTimer::timeout, this, [this] { setBlinkOn(!m_blinkOn); });

    m_resetMenu = new QMenu(this);
    m_resetMenu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* fieldOnly = m_resetMenu->addAction(tr("Reset Alignment for this Field Only"));
    fieldOnly->setObjectName(QStringLiteral("ResetAlignmentforthisFieldOnly1"));
    connect(fieldOnly, &QAction::triggered, this,
            &AdvancedAlignmentWindow::ResetAlignmentforthisFieldOnly1Click);
    QAction* all = m_resetMenu->addAction(tr("Reset Alignment for All"));
    all->setObjectName(QStringLiteral("ResetAlignmentforAll1"));
    connect(all, &QAction::triggered, this, &AdvancedAlignmentWindow::ResetAlignmentforAll1Click);

    restorePosition();
    loadField(currentField);
}

AdvancedAlignmentWindow::~AdvancedAlignmentWindow() {
    platform::rememberPosition(m_registry, kRememberedPosition, pos());
}

// Where the window was, or its designed place; on a smaller screen than it was saved on, it
// comes back inside the work area whole.
void AdvancedAlignmentWindow::restorePosition() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    move(platform::rememberedPosition(m_registry, kRememberedPosition, frameGeometry().size(),
                                      screen ? screen->availableGeometry() : QRect()));
}

void AdvancedAlignmentWindow::loadField(int catalogueIndex) {
    m_field = catalogueIndex;
    m_horizontal->setValue(m_offsets.rightShift(catalogueIndex));
    m_vertical->setValue(m_offsets.upShift(catalogueIndex));
    // The labels follow also when a slider stays where it was.
    trkVertChange(m_vertical->value());
    trkHorzChange(m_horizontal->value());
}

int AdvancedAlignmentWindow::pendingVertical() const {
    return m_vertical->value();
}

int AdvancedAlignmentWindow::pendingHorizontal() const {
    return m_horizontal->value();
}

void AdvancedAlignmentWindow::trkVertChange(int position) {
    m_verticalAmount->setText(position > 0   ? tr("Up : ") + amount(position)
                              : position < 0 ? tr("Down : ") + amount(position)
                                             : tr("Center"));
}

void AdvancedAlignmentWindow::trkHorzChange(int position) {
    m_horizontalAmount->setText(position > 0   ? tr("Right : ") + amount(position)
                                : position < 0 ? tr("Left : ") + amount(position)
                                               : tr("Center"));
}

void AdvancedAlignmentWindow::SpeedButton1Click() {
    const Result<void> saved =
        m_file.save(m_field, qint16(pendingVertical()), qint16(pendingHorizontal()), m_offsets);
    if (!saved)
        m_showError(saved.error());
}

void AdvancedAlignmentWindow::LbResetClick(const QPoint& globalPosition) {
    m_resetMenu->popup(globalPosition);
}

void AdvancedAlignmentWindow::ResetAlignmentforthisFieldOnly1Click() {
    m_vertical->setValue(0);
    m_horizontal->setValue(0);
}

void AdvancedAlignmentWindow::ResetAlignmentforAll1Click() {
    if (!m_askResetAll(tr("Are you sure you want to reset all fields alignments?")))
        return;
    if (const Result<void> reset = m_file.resetAll(m_offsets); !reset) {
        m_showError(reset.error());
        return;
    }
    ResetAlignmentforthisFieldOnly1Click();
}

// "Reset" blinks in blue while the mouse is over it, and a click opens its menu there.
bool AdvancedAlignmentWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_reset) {
        switch (event->type()) {
        case QEvent::Enter:
            setBlinkOn(true);
            m_blink->start();
            break;
        case QEvent::Leave:
            m_blink->stop();
            setBlinkOn(false);
            break;
        case QEvent::MouseButtonPress:
            LbResetClick(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AdvancedAlignmentWindow::setBlinkOn(bool on) {
    m_blinkOn = on;
    QPalette palette = m_reset->palette();
    palette.setColor(QPalette::WindowText,
                     on ? kBlinkColour : this->palette().color(QPalette::WindowText));
    m_reset->setPalette(palette);
}

void AdvancedAlignmentWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0xF4, 0xF8, 0xFD));
    gradient.setColorAt(1, QColor(0xC9, 0xDA, 0xEE));
    painter.fillRect(rect(), gradient);
}

} // namespace cw::printdialogs
