#include "editor/RecentClaimsMenu.h"

#include "editor/DocumentCommands.h"
#include "editor/UserDialogs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace cw::editor {

namespace {

// Wide enough for a claims folder and a file name; longer paths lose their middle.
constexpr int kEntryWidth = 420;

} // namespace

RecentClaimsMenu::RecentClaimsMenu(Context context, QMenu& menu)
    : QObject(&menu)
    , m_context(std::move(context))
    , m_recent(m_context.registry)
    , m_menu(menu) {
    menu.setObjectName(QStringLiteral("RecentClaims1"));
    menu.setToolTipsVisible(true);
    connect(&menu, &QMenu::aboutToShow, this, &RecentClaimsMenu::rebuild);
    connect(&m_context.commands, &DocumentCommands::claimFileOpened, this,
            &RecentClaimsMenu::remember);
    connect(&m_context.commands, &DocumentCommands::claimFileSaved, this,
            &RecentClaimsMenu::remember);
    rebuild();
}

void RecentClaimsMenu::rebuild() {
    m_menu.clear();
    const QStringList files = m_recent.files();
    const QFontMetrics metrics(m_menu.font());
    for (int n = 0; n < files.size(); ++n) {
        const QString path = QDir::toNativeSeparators(files[n]);
        QString shown = metrics.elidedText(path, Qt::ElideMiddle, kEntryWidth);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction* entry = m_menu.addAction(QStringLiteral("&%1 %2").arg(n + 1).arg(shown));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this,
                [this, file = files[n]] { openRecentClaim(file); });
    }
    if (!files.isEmpty())
        m_menu.addSeparator();
    QAction* clear = m_menu.addAction(tr("Clear List"), this, &RecentClaimsMenu::clearListClick);
    clear->setObjectName(QStringLiteral("ClearRecentClaims1"));
    clear->setEnabled(!files.isEmpty());
}

void RecentClaimsMenu::openRecentClaim(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        m_context.dialogs.showMessage(
            tr("The claim file \"%1\" no longer exists, so it was removed from the recent claims "
               "list.")
                .arg(QDir::toNativeSeparators(fileName)));
        // A store that cannot be written keeps the entry; the next choice tells again.
        (void)m_recent.remove(fileName);
        return;
    }
    m_context.commands.openClaimFile(fileName, true);
}

void RecentClaimsMenu::clearListClick() {
    if (const Result<void> cleared = m_recent.clear(); !cleared)
        m_context.dialogs.showError(
            tr("The recent claims list could not be cleared: %1").arg(cleared.error()));
}

void RecentClaimsMenu::remember(const QString& fileName) {
    // The claim is open or saved all the same; a list that cannot be written stays as it was.
    (void)m_recent.add(fileName);
}

} // namespace cw::editor
