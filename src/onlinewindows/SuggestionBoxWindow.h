#pragma once

// TfrmSuggestionBox: a small window that stays on top, where the user writes a suggestion and
// sends it to the maker with "Send". Made once; closing it only hides it. It comes back where it
// was left, inside the work area.

#include "platform/UserRegistry.h"

#include <QPoint>
#include <QStringView>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace cw::onlinewindows {

class SuggestionBoxWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QPoint kDesignedPosition{563, 406};
    static constexpr QStringView kLeftValue = u"Suggestion Box Left";
    static constexpr QStringView kTopValue = u"Suggestion Box Top";

    explicit SuggestionBoxWindow(platform::UserRegistry registry, QWidget* parent = nullptr);
    // FormDestroy: remembers the window's position.
    ~SuggestionBoxWindow() override;

    QString text() const;
    void setText(const QString& text);

    // What the text area says once a suggestion has gone.
    static QString confirmationText();

    // Posts the text, unless it is the confirmation of the last one, and confirms.
    void SuggestionButtonClick();

signals:
    // The window was hidden by the program or the user (its close button), not by the desktop.
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    platform::UserRegistry m_registry;
    QPlainTextEdit* m_memo;
    QPushButton* m_send;
};

} // namespace cw::onlinewindows
