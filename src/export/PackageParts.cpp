#include "export/PackageParts.h"

namespace cw::exports {

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

} // namespace

QByteArray contentTypesPart(std::initializer_list<PartContentType> parts) {
    QByteArray out = kDeclaration;
    out += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    for (const PartContentType& part : parts)
        out += QByteArray("<Override PartName=\"") + part.partName + "\" ContentType=\"" +
               part.contentType + "\"/>";
    out += "</Types>";
    return out;
}

QByteArray relationshipsPart(std::initializer_list<PartLink> links) {
    QByteArray out = kDeclaration;
    out += "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    int id = 0;
    for (const PartLink& link : links)
        out += "<Relationship Id=\"rId" + QByteArray::number(++id) +
               "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" +
               link.kind + "\" Target=\"" + link.target + "\"/>";
    out += "</Relationships>";
    return out;
}

} // namespace cw::exports
