// File > Recent Claims through the real window: which opens and saves it lists, choosing an
// entry, a file that is gone, and Clear List.

#include "EditorFixture.h"
#include "TestRegistry.h"
#include "editor/DocumentCommands.h"
#include "model/ClaimFile.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

using namespace cw;
using namespace cw::editor;

namespace {

QString claimFile(EditorFixture& f, const QString& name, const QString& patient) {
    model::ClaimValues claim;
    claim.setValue(u"edit6a", patient);
    const QString path = f.dataFolder() + name;
    if (!model::writeClaimFile(path, claim).ok())
        qFatal("cannot write the test claim");
    return path;
}

QMenu& recentMenu(EditorFixture& f) {
    return *f.window().findChild<QMenu*>(QStringLiteral("RecentClaims1"));
}

// The entries' texts as the menu shows them when it opens.
QStringList entries(EditorFixture& f) {
    QMenu& menu = recentMenu(f);
    emit menu.aboutToShow();
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

void choose(EditorFixture& f, int entry) {
    QMenu& menu = recentMenu(f);
    emit menu.aboutToShow();
    menu.actions().at(entry)->trigger();
}

} // namespace

class RecentClaimsMenuTest : public QObject {
    Q_OBJECT

private slots:
    void opensAndSavesAreListedNewestFirst() {
        EditorFixture f;
        QCOMPARE(recentMenu(f).title(), QStringLiteral("Recent Claims"));
        QCOMPARE(entries(f), QStringList{QStringLiteral("Clear List")});
        QVERIFY(!recentMenu(f).actions().constLast()->isEnabled());

        const QString a = claimFile(f, QStringLiteral("a&b.ub4"), QStringLiteral("A"));
        const QString b = claimFile(f, QStringLiteral("b.ub4"), QStringLiteral("B"));
        f.dialogs().openAnswers.push_back(a);
        f.window().commands().Open1Click();
        f.window().commands().openClaimFile(b, true);
        // What a batch print does for each of its claims.
        QVERIFY(f.window().commands().loadClaimFile(claimFile(f, u"batch.ub4"_qs, u"C"_qs), true));
        f.dialogs().saveAsAnswers.push_back(f.dataFolder() + QStringLiteral("saved.ub4"));
        f.window().commands().SaveAs1Click();
        // Save writes to the file it has: it moves to the top again.
        f.window().commands().openClaimFile(a, true);
        f.type("edit2a", QStringLiteral("x"));
        f.window().commands().Save1Click();

        QCOMPARE(entries(f), (QStringList{QStringLiteral("&1 ") + f.dataFolder() + u"a&&b.ub4"_qs,
                                          QStringLiteral("&2 ") + f.dataFolder() + u"saved.ub4"_qs,
                                          QStringLiteral("&3 ") + f.dataFolder() + u"b.ub4"_qs,
                                          QStringLiteral("-"), QStringLiteral("Clear List")}));
        QVERIFY(recentMenu(f).actions().constLast()->isEnabled());
    }

    void choosingAnEntryOpensItAfterThePrompt() {
        EditorFixture f;
        f.window().commands().openClaimFile(
            claimFile(f, QStringLiteral("b.ub4"), QStringLiteral("B")), true);
        f.window().commands().BlankForm1Click();
        f.type("edit6a", QStringLiteral("typed"));

        f.dialogs().saveAnswers.push_back(SaveAnswer::Cancel);
        choose(f, 0);
        QCOMPARE(f.text("edit6a"), QStringLiteral("typed"));
        f.dialogs().saveAnswers.push_back(SaveAnswer::No);
        choose(f, 0);
        QCOMPARE(f.text("edit6a"), QStringLiteral("B"));
        QCOMPARE(f.dialogs().promptsShown.size(), std::size_t(2));
    }

    void aFileThatIsGoneIsNamedAndDropped() {
        EditorFixture f;
        const QString gone = claimFile(f, QStringLiteral("gone.ub4"), QStringLiteral("G"));
        const QString kept = claimFile(f, QStringLiteral("kept.ub4"), QStringLiteral("K"));
        f.window().commands().openClaimFile(gone, true);
        f.window().commands().openClaimFile(kept, true);
        QVERIFY(QFile::remove(gone));

        choose(f, 1);
        QCOMPARE(f.dialogs().messages,
                 QStringList{u"The claim file \"%1\" no longer exists, so it was removed from the "
                             u"recent claims list."_qs.arg(gone)});
        QCOMPARE(f.text("edit6a"), QStringLiteral("K"));
        QCOMPARE(entries(f), (QStringList{QStringLiteral("&1 ") + kept, QStringLiteral("-"),
                                          QStringLiteral("Clear List")}));

        choose(f, 2); // Clear List
        QCOMPARE(entries(f), QStringList{QStringLiteral("Clear List")});
        QVERIFY(f.dialogs().errors.isEmpty());
    }
};

CW_REGISTER_TEST(RecentClaimsMenuTest)
#include "RecentClaimsMenuTest.moc"
