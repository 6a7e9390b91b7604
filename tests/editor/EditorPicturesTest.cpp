#include "editor/EditorPictures.h"

#include "TestRegistry.h"

#include <QTest>

class EditorPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void formPictureCoversTheFormAtAnyDensity() {
        const QPixmap form = cw::editor::formPicture();
        QCOMPARE(form.deviceIndependentSize().toSize(), QSize(762, 986));
        QCOMPARE(form.devicePixelRatio(), qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0);
    }
};

CW_REGISTER_TEST(EditorPicturesTest)
#include "EditorPicturesTest.moc"
