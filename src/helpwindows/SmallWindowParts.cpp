#include "helpwindows/SmallWindowParts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace cw::helpwindows {

QFont sansPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* placedButton(QWidget& parent, const char* objectName, const QString& text,
                          QPoint position, QSize size) {
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(QLatin1StringView(objectName));
    button->setGeometry(QRect(position, size));
    button->setAccessibleName(text);
    return button;
}

QPushButton* hidingButton(QWidget& window, const char* objectName, const QString& text,
                          QPoint position, const std::function<void()>& next, QSize size) {
    QPushButton* button = placedButton(window, objectName, text, position, size);
    QObject::connect(button, &QPushButton::clicked, &window, [&window, next] {
        window.hide();
        if (next)
            next();
    });
    return button;
}

QLabel* placedLabel(QWidget& parent, const QString& text, const QRect& geometry, const QFont& font,
                    Qt::Alignment alignment, bool wrapped) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(wrapped);
    if (geometry.size().isEmpty()) {
        label->move(geometry.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(geometry);
    }
    return label;
}

QString wrappedText(const QString& text, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    QStringList lines;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) <= width)
            lines.last() += u' ' + word;
        else
            lines << word;
    }
    return lines.join(u'\n');
}

void fixWindow(QWidget& window, const char* objectName, const QString& title, QSize clientSize) {
    window.setObjectName(QLatin1StringView(objectName));
    window.setWindowTitle(title);
    window.setFixedSize(clientSize);
}

void showCentred(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace cw::helpwindows
