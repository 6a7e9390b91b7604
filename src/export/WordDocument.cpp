#include "export/WordDocument.h"

#include "export/DocumentParagraphs.h"
#include "export/PackageParts.h"
#include "export/XmlCharacters.h"
#include "export/ZipPackage.h"

namespace cw::exports {

namespace {

// Character data in UTF-8, with the markup characters as references.
void appendText(QByteArray& out, const QString& text) {
    const QByteArray utf8 = withXmlCharactersOnly(text).toUtf8();
    for (const char c : utf8) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
}

void appendParagraph(QByteArray& out, const Paragraph& paragraph) {
    if (paragraph.text.isEmpty()) {
        out += "<w:p/>";
        return;
    }
    out += paragraph.bold ? "<w:p><w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\">"
                          : "<w:p><w:r><w:t xml:space=\"preserve\">";
    appendText(out, paragraph.text);
    out += "</w:t></w:r></w:p>";
}

// The typed text ends in a line break, after which the insertion point stands in a paragraph
// of its own: every document ends in one empty paragraph, and an empty claim is just that.
QByteArray documentPart(const model::ClaimValues& values) {
    QByteArray out;
    out.reserve(64 * 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
           "<w:body>";
    for (const Paragraph& paragraph : documentParagraphs(values))
        appendParagraph(out, paragraph);
    appendParagraph(out, {});
    out += "</w:body></w:document>";
    return out;
}

} // namespace

Result<QByteArray> claimWordDocument(const model::ClaimValues& values) {
    return ZipPackage::assemble(
        {std::pair{QStringLiteral("[Content_Types].xml"),
                   contentTypesPart(
                       {{"/word/document.xml", "application/vnd.openxmlformats-officedocument."
                                               "wordprocessingml.document.main+xml"}})},
         std::pair{QStringLiteral("_rels/.rels"),
                   relationshipsPart({{"officeDocument", "word/document.xml"}})},
         std::pair{QStringLiteral("word/document.xml"), documentPart(values)}});
}

} // namespace cw::exports
