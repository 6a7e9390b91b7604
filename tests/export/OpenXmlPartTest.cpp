#include "export/OpenXmlPart.h"

#include "TestRegistry.h"

#include <QTest>

using namespace cw::exports;
using cw::Result;

namespace {

const QString kPart = QStringLiteral("xl/worksheets/sheet1.xml");

QByteArray sheetAround(const QByteArray& content) {
    return QByteArrayLiteral("<worksheet xmlns=\"") + kSpreadsheetNamespace +
           QByteArrayLiteral("\"><sheetData>") + content +
           QByteArrayLiteral("</sheetData></worksheet>");
}

ZipPackage packageWith(const QByteArray& sheet) {
    Result<QByteArray> bytes = ZipPackage::assemble({{kPart, sheet}});
    if (!bytes)
        qFatal("%s", qPrintable(bytes.error()));
    Result<ZipPackage> package = ZipPackage::open(*bytes);
    if (!package)
        qFatal("%s", qPrintable(package.error()));
    return std::move(package).value();
}

class OpenXmlPartTest : public QObject {
    Q_OBJECT

private slots:
    // A sheet of tiny elements would take many times its size as a tree: it is refused by its
    // count of tags before it is parsed.
    void partWithTooManyElementsIsRefused() {
        const QByteArray sheet = sheetAround(QByteArrayLiteral("<a/>").repeated(kMaxPartMarkup));
        const Result<XmlPart> part =
            XmlPart::read(packageWith(sheet), kPart, kSpreadsheetNamespace);
        QVERIFY(!part);
        QVERIFY2(part.error().contains(QString::number(kMaxPartMarkup)), qPrintable(part.error()));
    }

    // Nesting far deeper than any stack could take in recursion is read.
    void deeplyNestedPartIsRead() {
        constexpr int kDepth = 200000;
        const QByteArray sheet = sheetAround(QByteArrayLiteral("<a>").repeated(kDepth) +
                                             QByteArrayLiteral("</a>").repeated(kDepth));
        const Result<XmlPart> part =
            XmlPart::read(packageWith(sheet), kPart, kSpreadsheetNamespace);
        QVERIFY2(part, qPrintable(part ? QString() : part.error()));
        QVERIFY(part->bytes().size() > 7 * kDepth);
    }
};

} // namespace

CW_REGISTER_TEST(OpenXmlPartTest)
#include "OpenXmlPartTest.moc"
