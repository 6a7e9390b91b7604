#include "onlinewindows/SuggestionBoxWindow.h"

#include "online/Suggestion.h"
#include "platform/MakerValues.h"
#include "platform/WindowPosition.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace cw::onlinewindows {

namespace {

constexpr QSize kClientSize(403, 209);
constexpr platform::RememberedPosition kRememberedPosition{SuggestionBoxWindow::kLeftValue,
                                                           SuggestionBoxWindow::kTopValue,
                                                           SuggestionBoxWindow::kDesignedPosition};

} // namespace

SuggestionBoxWindow::SuggestionBoxWindow(platform::UserRegistry registry, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_registry(std::move(registry))
    , m_memo(new QPlainTextEdit(this))
    , m_send(new QPushButton(tr("Send"), this)) {
    setObjectName(QStringLiteral("TfrmSuggestionBox"));
    setWindowTitle(tr("Suggestion Box"));
    setFixedSize(kClientSize);
    // The hint shows on hover even while another window is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    m_memo->setObjectName(QStringLiteral("SuggestionMemo"));
    m_memo->setGeometry(7, 6, 390, 163);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setAccessibleName(tr("Suggestion"));

    m_send->setObjectName(QStringLiteral("SuggestionButton"));
    m_send->setGeometry(7, 178, 75, 25);
    m_send->setToolTip(tr("You must be connected to the internet for this feature to work. "));
    m_send->setAccessibleName(m_send->text());
    connect(m_send, &QPushButton::clicked, this, &SuggestionBoxWindow::SuggestionButtonClick);

    const QScreen* screen = QGuiApplication::primaryScreen();
    move(platform::rememberedPosition(m_registry, kRememberedPosition, frameGeometry().size(),
                                      screen ? screen->availableGeometry() : QRect()));
}

SuggestionBoxWindow::~SuggestionBoxWindow() {
    platform::rememberPosition(m_registry, kRememberedPosition, pos());
}

QString SuggestionBoxWindow::text() const {
    return m_memo->toPlainText();
}

void SuggestionBoxWindow::setText(const QString& text) {
    m_memo->setPlainText(text);
}

QString SuggestionBoxWindow::confirmationText() {
    const platform::MakerValues maker = platform::makerValues();
    return tr("Your suggestion has been sent. If you indicated that you would like a reply, but "
              "have not received one in two business days, please email ") +
           maker.supportEmail + tr(" or call ") + maker.supportTelephone + u'.';
}

void SuggestionBoxWindow::SuggestionButtonClick() {
    // The text area's lines end in CR LF, as the server has always received them.
    QString suggestion = text();
    suggestion.replace(u'\n', QStringLiteral("\r\n"));
    // The text still holds the confirmation: this suggestion has gone already.
    if (!suggestion.contains(u"Your suggestion has been sent"))
        online::sendSuggestion(suggestion);
    setText(confirmationText());
}

void SuggestionBoxWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}

} // namespace cw::onlinewindows
