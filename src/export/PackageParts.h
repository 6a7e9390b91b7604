#pragma once

// The bookkeeping parts of a new Office Open XML package: the content types of its parts, and
// the relationships of the package or of a part to the parts they lead to.

#include <QByteArray>

#include <initializer_list>

namespace cw::exports {

struct PartContentType {
    const char* partName; // "/word/document.xml"
    const char* contentType;
};

struct PartLink {
    const char* kind;   // "officeDocument", "worksheet", "styles"
    const char* target; // relative to the folder of the part that links
};

// Relationship parts and other XML parts by their extensions, the parts listed by name.
QByteArray contentTypesPart(std::initializer_list<PartContentType> parts);
// The links numbered rId1, rId2, ... in the order given.
QByteArray relationshipsPart(std::initializer_list<PartLink> links);

} // namespace cw::exports
