#include "editor/SaveChangesPrompt.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace cw::editor {

SaveChangesPrompt::SaveChangesPrompt(SavePrompt kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(kind == SavePrompt::BeforeClosing ? QStringLiteral("Toktoclose")
                                                    : QStringLiteral("Toktosave"));
    setWindowTitle(tr("Save Changes?"));
    setModal(true);
    setFixedSize(284, 92);

    auto* text = new QLabel(tr("Do you want to save the data you have entered?"), this);
    text->setGeometry(16, 16, 252, 28);
    text->setWordWrap(true);

    struct Button {
        const char* name;
        const char* caption;
        SaveAnswer answer;
        int x;
    };
    const Button buttons[] = {{"Buttonyes", QT_TR_NOOP("Yes"), SaveAnswer::Yes, 16},
                              {"Buttonno", QT_TR_NOOP("No"), SaveAnswer::No, 104},
                              {"Buttocancel", QT_TR_NOOP("Cancel"), SaveAnswer::Cancel, 192}};
    for (const Button& b : buttons) {
        auto* button = new QPushButton(tr(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.x, 56, 75, 25);
        const SaveAnswer answer = b.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] {
            m_answer = answer;
            accept();
        });
    }
}

SaveAnswer SaveChangesPrompt::ask() {
    m_answer = SaveAnswer::Closed;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    return m_answer;
}

} // namespace cw::editor
