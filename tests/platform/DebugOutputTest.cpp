#include "platform/DebugOutput.h"

#include "TestRegistry.h"

#include <QTest>

using namespace cw::platform;

class DebugOutputTest : public QObject {
    Q_OBJECT

private slots:
    void everyMessageIsOneLine() {
        DebugOutputCapture capture;
        debugOutput(QStringLiteral("hcfaclaimwright.exe: BeginDoc try"));
        debugOutput(QStringLiteral("two\r\nlines\nand\rmore"));
        debugOutput(QString());
        QCOMPARE(capture.lines(), (QStringList{u"hcfaclaimwright.exe: BeginDoc try"_qs,
                                               u"two lines and more"_qs, QString()}));
    }

    void innerCaptureHandsBackToTheOuterOne() {
        DebugOutputCapture outer;
        {
            DebugOutputCapture inner;
            debugOutput(QStringLiteral("inner"));
            QCOMPARE(inner.lines(), QStringList{u"inner"_qs});
        }
        debugOutput(QStringLiteral("outer"));
        QCOMPARE(outer.lines(), QStringList{u"outer"_qs});
    }
};

CW_REGISTER_TEST(DebugOutputTest)
#include "DebugOutputTest.moc"
