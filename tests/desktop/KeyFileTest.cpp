#include "desktop/KeyFile.h"

#include "TestRegistry.h"

#include <QTest>

using namespace cw::desktop;

// The key files of the association are edited one line at a time.
class KeyFileTest : public QObject {
    Q_OBJECT

private slots:
    void setsOneKeyAndKeepsTheRest_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray key = "text/x-a=b.desktop;\n";
        QTest::newRow("empty file") << QByteArray() << "[Default Applications]\n" + key;
        QTest::newRow("other group only")
            << QByteArray("[Added Associations]\ntext/x-a=c.desktop;\n")
            << "[Added Associations]\ntext/x-a=c.desktop;\n\n[Default Applications]\n" + key;
        QTest::newRow("replaced where it stands")
            << QByteArray("# mine\n[Default Applications]\ntext/x-a = old.desktop;\nimage/png=v;\n")
            << "# mine\n[Default Applications]\n" + key + "image/png=v;\n";
        QTest::newRow("added at the end of its group")
            << QByteArray("[Default Applications]\nimage/png=v;\n\n[Other]\nx=y\n")
            << "[Default Applications]\nimage/png=v;\n" + key + "\n[Other]\nx=y\n";
        QTest::newRow("no line end at the end")
            << QByteArray("[Default Applications]\nimage/png=v;")
            << "[Default Applications]\nimage/png=v;\n" + key;
    }
    void setsOneKeyAndKeepsTheRest() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QByteArray written = withKeyFileValue(before, u"Default Applications", u"text/x-a",
                                                    QStringLiteral("b.desktop;"));
        QCOMPARE(written, after);
        QCOMPARE(keyFileValue(written, u"Default Applications", u"text/x-a"),
                 std::optional(QStringLiteral("b.desktop;")));
    }

    // The program path comes back whole from the Exec line the association writes, whatever
    // characters the folders hold.
    void execNamesTheProgramExactly_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("plain") << u"/opt/claimwright/bin/claimwright"_qs;
        QTest::newRow("blanks") << u"/home/clerk/My Programs/claimwright"_qs;
        QTest::newRow("quote, dollar, backquote") << u"/home/clerk/a\"b$HOME`c`/claimwright"_qs;
        QTest::newRow("backslash") << u"/home/clerk/back\\slash/claimwright"_qs;
        QTest::newRow("percent") << u"/home/clerk/100%f/claimwright"_qs;
        QTest::newRow("non-ASCII") << u"/home/clerk/Büro/claimwright"_qs;
    }
    void execNamesTheProgramExactly() {
        QFETCH(QString, program);
        const QString exec = execWord(program) + u" %f"_qs;
        QCOMPARE(execProgram(exec), program);
    }

    // Exec lines that other programs or the user wrote.
    void readsExecLinesOfOthers_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("program");
        QTest::newRow("unquoted with argument")
            << u"/usr/bin/claimwright %f"_qs << u"/usr/bin/claimwright"_qs;
        QTest::newRow("unquoted alone") << u"/usr/bin/claimwright"_qs << u"/usr/bin/claimwright"_qs;
        QTest::newRow("key-file escape")
            << u"\"/a\\\\\\\\b/claimwright\" %f"_qs << u"/a\\b/claimwright"_qs;
        QTest::newRow("\\s") << u"/usr/bin/claimwright\\s%f"_qs << u"/usr/bin/claimwright"_qs;
    }
    void readsExecLinesOfOthers() {
        QFETCH(QString, exec);
        QFETCH(QString, program);
        QCOMPARE(execProgram(exec), program);
    }
};

CW_REGISTER_TEST(KeyFileTest)

#include "KeyFileTest.moc"
