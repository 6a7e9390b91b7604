#include "export/ClaimXml.h"

#include "export/ClaimRows.h"
#include "export/XmlCharacters.h"

#include <QFile>

namespace cw::exports {

namespace {

// The 658 lines from "<!DOCTYPE form [" to "]>", each ended by CR LF.
const QByteArray& formDocumentType() {
    static const QByteArray dtd = [] {
        QFile file(QStringLiteral(":/export/claim-form.dtd"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The claim form's document type definition is missing from the program.");
        return file.readAll();
    }();
    return dtd;
}

// An element's name is its field's title with "_" for each blank.
QByteArray elementName(const QString& title) {
    QString name = title;
    name.replace(u' ', u'_');
    return name.toLatin1();
}

struct ElementNames {
    std::array<QByteArray, kSingleFieldCount> single;
    std::array<QByteArray, kRevenueColumnCount> revenueColumn;
};

const ElementNames& elementNames() {
    static const ElementNames names = [] {
        ElementNames made;
        for (std::size_t i = 0; i < made.single.size(); ++i)
            made.single[i] = elementName(singleFields()[i].title);
        for (std::size_t i = 0; i < made.revenueColumn.size(); ++i)
            made.revenueColumn[i] = elementName(revenueColumnCaptions()[i]);
        return made;
    }();
    return names;
}

// Character data in ISO-8859-1. "&" and "<" are entity references, and so is the ">" of a
// "]]>", which character data may not hold.
void appendText(QByteArray& out, QStringView text) {
    forEachXmlCharacter(text, [&out](char32_t c) {
        if (c == U'&')
            out += "&amp;";
        else if (c == U'<')
            out += "&lt;";
        else if (c == U'>' && out.endsWith("]]"))
            out += "&gt;";
        else if (c > 0xFF)
            out += "&#" + QByteArray::number(static_cast<uint>(c)) + ';';
        else
            out += static_cast<char>(c);
    });
}

// A line of its own: "<name>text</name>".
void appendElement(QByteArray& out, const QByteArray& name, const QString& text) {
    out += "\r\n<";
    out += name;
    out += '>';
    appendText(out, text);
    out += "</";
    out += name;
    out += '>';
}

} // namespace

QByteArray claimXml(const model::ClaimValues& values) {
    const ElementNames& names = elementNames();
    const auto fields = singleFields();
    QByteArray out;
    out.reserve(formDocumentType().size() + 32 * 1024);
    out += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";
    out += formDocumentType();
    out += "\r\n<form>";
    for (int i = 0; i < kFieldsBeforeRevenueRows; ++i)
        appendElement(out, names.single[static_cast<std::size_t>(i)], values[fields[i].fieldIndex]);
    out += "\r\n<transactions>";
    for (int row = 1; row <= kRevenueRowCount; ++row) {
        const QByteArray number = QByteArray::number(row);
        out += "\r\n<trans" + number + '>';
        for (int column = 0; column < kRevenueColumnCount; ++column)
            appendElement(out, names.revenueColumn[static_cast<std::size_t>(column)],
                          values[revenueFieldIndex(row, column)]);
        out += "</trans" + number + '>';
    }
    out += "</transactions>";
    for (int i = kFieldsBeforeRevenueRows; i < kSingleFieldCount; ++i)
        appendElement(out, names.single[static_cast<std::size_t>(i)], values[fields[i].fieldIndex]);
    out += "</form>\r\n";
    return out;
}

} // namespace cw::exports
