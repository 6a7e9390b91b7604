#include "model/FieldCatalogue.h"

#include "TestRegistry.h"

#include <QSet>
#include <QTest>

using cw::model::FieldCatalogue;
using cw::model::kFieldCount;

class FieldCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void tableInvariants() {
        QSet<QString> names;
        int offForm = 0;
        int cents = 0;
        for (int i = 0; i < kFieldCount; ++i) {
            const QString name(FieldCatalogue::name(i));
            QVERIFY2(name.startsWith(QLatin1StringView("edit")), qPrintable(name));
            QVERIFY(FieldCatalogue::coordinates(name).has_value());
            names.insert(name);
            const auto& e = FieldCatalogue::entry(i);
            if (FieldCatalogue::isOffForm(i)) {
                ++offForm;
                QCOMPARE(e.left, 0);
                QCOMPARE(e.top, 0);
                QCOMPARE(FieldCatalogue::maxLength(i), 0);
            } else {
                // Every on-form rectangle lies on the 762 x 986 picture.
                QVERIFY(e.left > 0 && e.left + e.width <= 762);
                QVERIFY(e.top > 0 && e.top + 17 <= 986);
            }
            if (FieldCatalogue::isCentsField(i)) {
                ++cents;
                QCOMPARE(FieldCatalogue::maxLength(i), 2);
            }
            QCOMPARE(FieldCatalogue::indexOf(name), i);
        }
        QCOMPARE(names.size(), kFieldCount);
        QCOMPARE(offForm, 28);
        QCOMPARE(cents, 64);
    }

    void spotValues_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("edit8a") << "edit8a" << 0 << 11;
        QTest::newRow("edit1a") << "edit1a" << 1 << 31;
        QTest::newRow("edit16a") << "edit16a" << 425 << 5;
        QTest::newRow("edit54g") << "edit54g" << 508 << 2;
        QTest::newRow("cents wider than 2 chars") << "edit12d" << 62 << 2;
        QTest::newRow("narrow by the general rule") << "edit52d" << 477 << 2;
        QTest::newRow("patient name") << "edit6a" << 10 << 37;
        QTest::newRow("FL 38 line a") << "edit12a" << 56 << 53;
        QTest::newRow("off-form") << "edit42b" << 353 << 0;
    }
    void spotValues() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(int, maxLength);
        QCOMPARE(FieldCatalogue::indexOf(name), index);
        QCOMPARE(FieldCatalogue::maxLength(index), maxLength);
    }

    void unknownNamesAreMinusOne_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("caption label") << "label1ax";
        QTest::newRow("other case") << "Edit1a";
        QTest::newRow("empty") << "";
        QTest::newRow("prefix of a name") << "edit1";
    }
    void unknownNamesAreMinusOne() {
        QFETCH(QString, name);
        QCOMPARE(FieldCatalogue::indexOf(name), -1);
    }

    void serviceLineGeometry() {
        // Columns share one left edge and width on all 23 lines; the tops follow the pitch.
        const char columns[] = "abcdefghij";
        const int lefts[] = {13, 57, 278, 413, 475, 547, 616, 637, 704, 725};
        const int widths[] = {41, 223, 138, 64, 74, 71, 22, 68, 22, 27};
        for (int group = 16; group <= 37; ++group) {
            const int top = group <= 27 ? 270 + 15 * (group - 16) : 449 + 15 * (group - 28);
            for (int c = 0; c < 10; ++c) {
                const QString name =
                    QStringLiteral("edit%1%2").arg(group).arg(QLatin1Char(columns[c]));
                const int i = FieldCatalogue::indexOf(name);
                QVERIFY2(i >= 0, qPrintable(name));
                QCOMPARE(FieldCatalogue::entry(i).left, lefts[c]);
                QCOMPARE(FieldCatalogue::entry(i).width, widths[c]);
                QCOMPARE(FieldCatalogue::entry(i).top, top);
            }
        }
        QCOMPARE(FieldCatalogue::entry(FieldCatalogue::indexOf(u"edit38k")).left, 95);
        QCOMPARE(FieldCatalogue::entry(FieldCatalogue::indexOf(u"edit38f")).top, 597);
    }

    void coordinatesAndDerivedNames() {
        const auto c = FieldCatalogue::coordinates(u"edit38k");
        QVERIFY(c);
        QCOMPARE(c->group, 38);
        QCOMPARE(c->column, 'k');
        QVERIFY(c->isServiceLine());
        QCOMPARE(c->serviceLine(), 23);
        QVERIFY(!FieldCatalogue::coordinates(u"edit39a")->isServiceLine());
        QVERIFY(!FieldCatalogue::coordinates(u"label1ax"));
        QVERIFY(!FieldCatalogue::coordinates(u"editXa"));

        const int i = FieldCatalogue::indexOf(u"edit1a");
        QCOMPARE(FieldCatalogue::captionLabelName(i), QStringLiteral("label1ax"));
        QCOMPARE(FieldCatalogue::hintIconName(i), QStringLiteral("label1a"));
        QCOMPARE(FieldCatalogue::fieldNameOfCaptionLabel(u"label16fx"), QStringLiteral("edit16f"));
        QCOMPARE(FieldCatalogue::fieldNameOfCaptionLabel(u"label16f"), QString());

        // Group and column lead back to the same field, for every field.
        for (int index = 0; index < kFieldCount; ++index) {
            const auto at = FieldCatalogue::coordinates(index);
            QCOMPARE(FieldCatalogue::indexAt(at.group, at.column), index);
        }
        QCOMPARE(FieldCatalogue::indexAt(16, 'k'), -1);
        QCOMPARE(FieldCatalogue::indexAt(99, 'a'), -1);
        QCOMPARE(FieldCatalogue::indexAt(1, '?'), -1);
    }

    void hintAnchors() {
        const auto anchors = FieldCatalogue::hintAnchors();
        QSet<QString> names;
        for (const auto& a : anchors) {
            const QString name = QString::fromLatin1(a.name);
            QVERIFY(name.startsWith(QLatin1StringView("label")) && !name.endsWith(u'x'));
            names.insert(name);
        }
        QCOMPARE(names.size(), 75);
        QCOMPARE(QString::fromLatin1(anchors.front().name), QStringLiteral("label1a"));
        QCOMPARE(anchors.front().left, 236);
        QCOMPARE(QString::fromLatin1(anchors.back().name), QStringLiteral("label38k"));
        QCOMPARE(anchors.back().top, 580);
    }
};

CW_REGISTER_TEST(FieldCatalogueTest)
#include "FieldCatalogueTest.moc"
