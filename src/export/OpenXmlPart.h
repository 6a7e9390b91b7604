#pragma once

// The XML parts of an Office Open XML package (a workbook's sheet, strings and styles, and the
// relationships between parts), read into pugixml documents and written back as UTF-8.
// pugixml knows nothing of namespaces, so elements are found by their qualified names: the
// prefix the part's root binds to the namespace a reader expects ("" where it is the default
// namespace, as Excel and Calc write it) goes before every local name.

#include "export/ZipPackage.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace cw::exports {

inline constexpr char kSpreadsheetNamespace[] =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr char kPackageRelationshipsNamespace[] =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr char kDocumentRelationshipsNamespace[] =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
// Workbooks saved as "Strict Open XML" name their parts in these namespaces instead.
inline constexpr char kStrictSpreadsheetNamespace[] =
    "http://purl.oclc.org/ooxml/spreadsheetml/main";

// The largest part read once inflated; a claims workbook's sheet stays far below it.
inline constexpr qint64 kMaxPartBytes = 64 * 1024 * 1024;
// The most markup ("<") a part may hold. pugixml's tree takes some fifty bytes a node, so a
// part of tiny elements takes many times its size: 60 MiB of "<a/>" would take gigabytes. A
// full claims sheet holds about half a million.
inline constexpr qint64 kMaxPartMarkup = 2'000'000;

class XmlPart {
public:
    // Refused when the part is missing, holds more than kMaxPartMarkup tags, is no
    // well-formed XML, or its root does not bind the namespace.
    static Result<XmlPart> read(const ZipPackage& package, const QString& name,
                                const char* namespaceUri);
    // A part from its text, for the parts of a new package.
    static Result<XmlPart> fromText(const QString& name, const char* text,
                                    const char* namespaceUri);

    const QString& name() const { return m_name; }
    pugi::xml_node root() const { return m_document->document_element(); }
    // "c" as the part names it: "c", or "x:c" where it binds the namespace to "x".
    std::string qualified(const char* localName) const { return m_prefix + localName; }
    // The prefix, with its colon, the root binds to another namespace ("r:"); nothing when it
    // binds none.
    std::optional<std::string> prefixOf(const char* namespaceUri) const;

    // UTF-8, with the declaration the part had.
    QByteArray bytes() const;

private:
    XmlPart(QString name, std::unique_ptr<pugi::xml_document> document, std::string prefix);
    static Result<XmlPart> parsed(const QString& name, std::unique_ptr<pugi::xml_document> document,
                                  const pugi::xml_parse_result& result, const char* namespaceUri);

    QString m_name;
    std::unique_ptr<pugi::xml_document> m_document;
    std::string m_prefix;
    QByteArray m_text; // what the document was parsed in, where it was read from a package
};

struct Relationship {
    QString id;
    QString type;
    QString target; // the part's name inside the package
};

// The relationships of a part to other parts of the package (links outside it are passed
// over); an empty name stands for the package itself. None when the part has no relationships.
Result<std::vector<Relationship>> readRelationships(const ZipPackage& package,
                                                    const QString& partName);

// The UTF-8 text of an element's text node.
inline QString textOf(const pugi::xml_node& node) {
    return QString::fromUtf8(node.text().get());
}

} // namespace cw::exports
