#include "helpwindows/SplashScreen.h"

#include "TestRegistry.h"
#include "resources/ResourcePaths.h"

#include <QLabel>
#include <QTest>

using cw::helpwindows::SplashScreen;

class SplashScreenTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned() {
        SplashScreen splash(u"UB-04/CMS 1450 Claimwright NPI"_qs, u"4.3"_qs);
        QCOMPARE(splash.objectName(), u"TFormSplash"_qs);
        QCOMPARE(splash.size(), QSize(393, 252));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QList<QLabel*> labels = splash.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 2);
        const QList<std::pair<QString, int>> lines = {{u"UB-04/CMS 1450 Claimwright NPI"_qs, 50},
                                                      {u"Version 4.3"_qs, 114}};
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(labels[i]->text(), lines[i].first);
            QCOMPARE(labels[i]->y(), lines[i].second);
            QCOMPARE(labels[i]->width(), 393);
            QVERIFY(labels[i]->alignment() & Qt::AlignHCenter);
            QVERIFY(labels[i]->font().bold());
            QCOMPARE(labels[i]->font().pixelSize(), 21);
            QCOMPARE(labels[i]->palette().color(QPalette::WindowText), QColor(Qt::red));
        }
    }

    // The picture fills the window but its last row, which stays white.
    void showsThePicture() {
        SplashScreen splash(u"P"_qs, u"4.3"_qs);
        const QImage shown = splash.pixmap().toImage();
        const QImage picture(cw::resources::path(cw::resources::kSplash));
        QCOMPARE(picture.size(), QSize(393, 251));
        QCOMPARE(shown.size(), QSize(393, 252));
        QCOMPARE(shown.copy(0, 0, 393, 251).convertToFormat(QImage::Format_RGB32),
                 picture.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(shown.pixelColor(196, 251), QColor(Qt::white));
    }
};

CW_REGISTER_TEST(SplashScreenTest)
#include "SplashScreenTest.moc"
