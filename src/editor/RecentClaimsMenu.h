#pragma once

// File > Recent Claims: the claim files opened or saved last (prefs::RecentClaims), newest
// first, and Clear List. The list follows every open and save through DocumentCommands; a
// batch print opens its claims another way and leaves the list alone. Choosing a file opens
// it as Open does, after the save-changes prompt; a file that is gone is named in a message
// and leaves the list.

#include "prefs/RecentClaims.h"

#include <QObject>

class QMenu;

namespace cw::editor {

class DocumentCommands;
class UserDialogs;

class RecentClaimsMenu : public QObject {
    Q_OBJECT

public:
    struct Context {
        DocumentCommands& commands;
        UserDialogs& dialogs;
        platform::UserRegistry registry;
    };

    // The menu is rebuilt from the store each time it opens.
    RecentClaimsMenu(Context context, QMenu& menu);

    void openRecentClaim(const QString& fileName);
    void clearListClick();

private:
    void rebuild();
    void remember(const QString& fileName);

    Context m_context;
    prefs::RecentClaims m_recent;
    QMenu& m_menu;
};

} // namespace cw::editor
