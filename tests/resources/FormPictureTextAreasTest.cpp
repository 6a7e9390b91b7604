#include "TestRegistry.h"
#include "TextAreas.h"
#include "model/FieldCatalogue.h"
#include "resources/ResourcePaths.h"

#include <QImageReader>
#include <QPainter>
#include <QTest>

using cw::formpicture::inkedTextAreas;
using cw::formpicture::Picture;
using cw::model::FieldCatalogue;
namespace res = cw::resources;

Q_DECLARE_METATYPE(Picture)

namespace {

QImage load(const res::Picture& picture) {
    QImageReader reader(res::path(picture));
    return reader.read();
}

QString describe(const std::vector<cw::formpicture::InkedTextArea>& inked) {
    QStringList names;
    for (const auto& area : inked)
        names << QString(FieldCatalogue::name(area.catalogueIndex));
    return names.join(u' ');
}

} // namespace

class FormPictureTextAreasTest : public QObject {
    Q_OBJECT

private slots:
    void committedPicturesKeepTextAreasClear_data() {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<QString>("path");
        QTest::newRow("screen") << Picture::Screen << res::path(res::kFormScreen);
        QTest::newRow("print") << Picture::Print << res::path(res::kFormPrint);
    }
    void committedPicturesKeepTextAreasClear() {
        QFETCH(Picture, picture);
        QFETCH(QString, path);
        const QImage image = QImageReader(path).read();
        QVERIFY(!image.isNull());
        int areas = 0;
        for (int i = 0; i < cw::model::kFieldCount; ++i)
            areas += cw::formpicture::textArea(picture, i).isEmpty() ? 0 : 1;
        QCOMPARE(areas, 481);
        const auto inked = inkedTextAreas(image, picture);
        QVERIFY2(inked.empty(), qPrintable(describe(inked)));
    }

    // A rule drawn across one field's text is found, and only that field is named.
    void aRuleThroughATextAreaIsFound_data() {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<QString>("field");
        QTest::newRow("screen") << Picture::Screen << "edit6a";
        QTest::newRow("print") << Picture::Print << "edit16b";
    }
    void aRuleThroughATextAreaIsFound() {
        QFETCH(Picture, picture);
        QFETCH(QString, field);
        QImage image = load(picture == Picture::Screen ? res::kFormScreen : res::kFormPrint)
                           .convertToFormat(QImage::Format_RGB32);
        const int index = FieldCatalogue::indexOf(field);
        const QRect area = cw::formpicture::textArea(picture, index);
        QPainter(&image).fillRect(QRect(area.center().x(), area.top() + 2, 1, 3), Qt::red);
        const auto inked = inkedTextAreas(image, picture);
        QCOMPARE(describe(inked), field);
        QCOMPARE(inked.front().inkPixels, 3);
    }

    void areasRunningOffThePictureCount_data() {
        QTest::addColumn<Picture>("picture");
        QTest::newRow("screen") << Picture::Screen;
        QTest::newRow("print") << Picture::Print;
    }
    void areasRunningOffThePictureCount() {
        QFETCH(Picture, picture);
        QImage cropped(100, 100, QImage::Format_RGB32);
        cropped.fill(Qt::white);
        QVERIFY(!inkedTextAreas(cropped, picture).empty());
    }

    void shadingIsNotInk() {
        QVERIFY(!cw::formpicture::isInk(qRgb(253, 229, 226)));
        QVERIFY(!cw::formpicture::isInk(qRgb(255, 255, 255)));
        QVERIFY(cw::formpicture::isInk(qRgb(220, 38, 44)));
    }
};

CW_REGISTER_TEST(FormPictureTextAreasTest)
#include "FormPictureTextAreasTest.moc"
