#include "export/WorkbookLayout.h"

#include "export/OpenXmlPart.h"

#include <QCoreApplication>

namespace cw::exports {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("WorkbookLayout", text);
}

// Relationship types end in the kind of part they lead to, whichever of the two namespaces of
// relationship types (transitional or strict) they are in.
std::optional<Relationship> firstOfType(const std::vector<Relationship>& relationships,
                                        const QString& kind) {
    for (const Relationship& relationship : relationships)
        if (relationship.type.endsWith(u'/' + kind))
            return relationship;
    return std::nullopt;
}

} // namespace

Result<WorkbookLayout> findWorksheet(const ZipPackage& package, const QString& sheetName) {
    const Result<std::vector<Relationship>> packageLinks = readRelationships(package, QString());
    if (!packageLinks)
        return Error{packageLinks.error()};
    const std::optional<Relationship> workbookLink =
        firstOfType(*packageLinks, QStringLiteral("officeDocument"));
    if (!workbookLink)
        return Error{tr("it is not a workbook")};
    const Result<XmlPart> workbook =
        XmlPart::read(package, workbookLink->target, kSpreadsheetNamespace);
    if (!workbook)
        return Error{workbook.error()};
    const Result<std::vector<Relationship>> links =
        readRelationships(package, workbookLink->target);
    if (!links)
        return Error{links.error()};

    const std::optional<std::string> r = workbook->prefixOf(kDocumentRelationshipsNamespace);
    const std::string sheets = workbook->qualified("sheets");
    const std::string sheet = workbook->qualified("sheet");
    const std::string id = r.value_or(std::string()) + "id";
    QString sheetId;
    for (const pugi::xml_node& node :
         workbook->root().child(sheets.c_str()).children(sheet.c_str()))
        if (QString::fromUtf8(node.attribute("name").value())
                .compare(sheetName, Qt::CaseInsensitive) == 0)
            sheetId = QString::fromUtf8(node.attribute(id.c_str()).value());
    if (sheetId.isEmpty() || !r)
        return Error{tr("it has no sheet named \"%1\"").arg(sheetName)};

    WorkbookLayout layout;
    for (const Relationship& link : *links)
        if (link.id == sheetId && link.type.endsWith(QStringLiteral("/worksheet")))
            layout.sheet = link.target;
    if (layout.sheet.isEmpty())
        return Error{tr("its sheet \"%1\" is not a worksheet").arg(sheetName)};
    const std::optional<Relationship> styles = firstOfType(*links, QStringLiteral("styles"));
    if (!styles)
        return Error{tr("it has no styles part")};
    layout.styles = styles->target;
    if (const auto strings = firstOfType(*links, QStringLiteral("sharedStrings")))
        layout.sharedStrings = strings->target;
    return layout;
}

} // namespace cw::exports
