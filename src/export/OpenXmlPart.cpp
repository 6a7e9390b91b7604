#include "export/OpenXmlPart.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace cw::exports {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("OpenXmlPart", text);
}

// Whitespace alone is kept where it is an element's only text: a string of one blank is a
// value.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

class ByteWriter : public pugi::xml_writer {
public:
    explicit ByteWriter(QByteArray& out)
        : m_out(out) {}
    void write(const void* data, size_t size) override {
        m_out.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }

private:
    QByteArray& m_out;
};

// The prefix, with its colon, that the element binds to the namespace.
std::optional<std::string> boundPrefix(const pugi::xml_node& element, const char* namespaceUri) {
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        if (std::strcmp(attribute.value(), namespaceUri) != 0)
            continue;
        const std::string name = attribute.name();
        if (name == "xmlns")
            return std::string();
        if (name.starts_with("xmlns:"))
            return name.substr(6) + ':';
    }
    return std::nullopt;
}

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; "" -> "_rels/.rels".
QString relationshipsPartOf(const QString& partName) {
    const qsizetype slash = partName.lastIndexOf(u'/');
    return partName.left(slash + 1) + QStringLiteral("_rels/") + partName.mid(slash + 1) +
           QStringLiteral(".rels");
}

// A target is relative to the folder of the part that names it, or absolute from the package's
// root; either may be percent-encoded.
QString resolvedTarget(const QString& partName, const QString& target) {
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    if (decoded.startsWith(u'/'))
        return QDir::cleanPath(decoded.mid(1));
    const qsizetype slash = partName.lastIndexOf(u'/');
    return QDir::cleanPath(partName.left(slash + 1) + decoded);
}

} // namespace

XmlPart::XmlPart(QString name, std::unique_ptr<pugi::xml_document> document, std::string prefix)
    : m_name(std::move(name))
    , m_document(std::move(document))
    , m_prefix(std::move(prefix)) {}

Result<XmlPart> XmlPart::parsed(const QString& name, std::unique_ptr<pugi::xml_document> document,
                                const pugi::xml_parse_result& result, const char* namespaceUri) {
    if (!result)
        return Error{tr("the part %1 is not well-formed XML (%2 at byte %3)")
                         .arg(name, QString::fromUtf8(result.description()))
                         .arg(result.offset)};
    const pugi::xml_node root = document->document_element();
    std::optional<std::string> prefix = boundPrefix(root, namespaceUri);
    if (!prefix && std::strcmp(namespaceUri, kSpreadsheetNamespace) == 0 &&
        boundPrefix(root, kStrictSpreadsheetNamespace))
        return Error{tr("it is saved as Strict Open XML, which this program cannot read; save "
                        "it as an ordinary workbook")};
    if (!prefix)
        return Error{tr("the part %1 is not in the namespace %2")
                         .arg(name, QString::fromUtf8(namespaceUri))};
    return XmlPart(name, std::move(document), std::move(*prefix));
}

Result<XmlPart> XmlPart::read(const ZipPackage& package, const QString& name,
                              const char* namespaceUri) {
    Result<QByteArray> bytes = package.read(name, kMaxPartBytes);
    if (!bytes)
        return Error{bytes.error()};
    // The document is parsed in the part's own bytes, which it keeps: a large sheet is not
    // copied once more.
    QByteArray text = std::move(bytes).value();
    if (std::count(text.cbegin(), text.cend(), '<') > kMaxPartMarkup)
        return Error{tr("the part %1 holds more than the %2 elements this program reads")
                         .arg(name)
                         .arg(kMaxPartMarkup)};
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result =
        document->load_buffer_inplace(text.data(), static_cast<size_t>(text.size()), kParseOptions);
    Result<XmlPart> part = parsed(name, std::move(document), result, namespaceUri);
    if (!part)
        return part;
    XmlPart made = std::move(part).value();
    made.m_text = std::move(text);
    return made;
}

Result<XmlPart> XmlPart::fromText(const QString& name, const char* text, const char* namespaceUri) {
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = document->load_string(text, kParseOptions);
    return parsed(name, std::move(document), result, namespaceUri);
}

std::optional<std::string> XmlPart::prefixOf(const char* namespaceUri) const {
    return boundPrefix(root(), namespaceUri);
}

QByteArray XmlPart::bytes() const {
    // The text is written as UTF-8, whatever the part was read as.
    const pugi::xml_node declaration = m_document->first_child();
    if (declaration.type() == pugi::node_declaration && declaration.attribute("encoding"))
        declaration.attribute("encoding").set_value("UTF-8");
    QByteArray out;
    // About as long as it was: growing it step by step would copy a large sheet many times.
    out.reserve(m_text.size() + m_text.size() / 8 + 64 * 1024);
    ByteWriter writer(out);
    m_document->save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return out;
}

Result<std::vector<Relationship>> readRelationships(const ZipPackage& package,
                                                    const QString& partName) {
    const QString name = relationshipsPartOf(partName);
    std::vector<Relationship> relationships;
    if (!package.contains(name))
        return relationships;
    Result<XmlPart> part = XmlPart::read(package, name, kPackageRelationshipsNamespace);
    if (!part)
        return Error{part.error()};
    const std::string relationship = part->qualified("Relationship");
    for (const pugi::xml_node& node : part->root().children(relationship.c_str())) {
        if (std::strcmp(node.attribute("TargetMode").value(), "External") == 0)
            continue;
        relationships.push_back(
            {QString::fromUtf8(node.attribute("Id").value()),
             QString::fromUtf8(node.attribute("Type").value()),
             resolvedTarget(partName, QString::fromUtf8(node.attribute("Target").value()))});
    }
    return relationships;
}

} // namespace cw::exports
