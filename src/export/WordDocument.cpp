#include "export/WordDocument.h"

#include "export/DocumentParagraphs.h"
#include "export/XmlCharacters.h"
#include "export/ZipPackage.h"

#include <QXmlStreamWriter>

namespace cw::exports {

namespace {

constexpr char kContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(</Types>)";

constexpr char kPackageRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

const QString kWordNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");

void writeParagraph(QXmlStreamWriter& xml, const Paragraph& paragraph) {
    xml.writeStartElement(kWordNamespace, QStringLiteral("p"));
    if (!paragraph.text.isEmpty()) {
        xml.writeStartElement(kWordNamespace, QStringLiteral("r"));
        if (paragraph.bold) {
            xml.writeStartElement(kWordNamespace, QStringLiteral("rPr"));
            xml.writeEmptyElement(kWordNamespace, QStringLiteral("b"));
            xml.writeEndElement();
        }
        xml.writeStartElement(kWordNamespace, QStringLiteral("t"));
        xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(withXmlCharactersOnly(paragraph.text));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// The typed text ends in a line break, after which the insertion point stands in a paragraph
// of its own: every document ends in one empty paragraph, and an empty claim is just that.
QByteArray documentPart(const model::ClaimValues& values) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeNamespace(kWordNamespace, QStringLiteral("w"));
    xml.writeStartElement(kWordNamespace, QStringLiteral("document"));
    xml.writeStartElement(kWordNamespace, QStringLiteral("body"));
    for (const Paragraph& paragraph : documentParagraphs(values))
        writeParagraph(xml, paragraph);
    writeParagraph(xml, {});
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

} // namespace

Result<QByteArray> claimWordDocument(const model::ClaimValues& values) {
    return ZipPackage::assemble(
        {std::pair{QStringLiteral("[Content_Types].xml"), QByteArray(kContentTypes)},
         std::pair{QStringLiteral("_rels/.rels"), QByteArray(kPackageRelationships)},
         std::pair{QStringLiteral("word/document.xml"), documentPart(values)}});
}

} // namespace cw::exports
