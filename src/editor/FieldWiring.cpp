#include "editor/FieldWiring.h"

#include "model/FieldCatalogue.h"

namespace cw::editor {

using model::FieldCatalogue;
using model::FieldCoordinates;

namespace {

bool inColumns(char column, char first, char last) {
    return column >= first && column <= last;
}

bool isOneOf(QLatin1StringView name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == QLatin1StringView(n))
            return true;
    return false;
}

// The blocks outside the service lines where Enter moves down the column.
bool isColumnBlockField(QLatin1StringView name, FieldCoordinates at) {
    if (isOneOf(name, {"edit1a", "edit2a", "edit3a", "edit1b", "edit52a", "edit53a", "edit54a"}))
        return true;
    switch (at.group) {
    case 10:
        return inColumns(at.column, 'a', 'l');
    case 12:
    case 13:
    case 14:
    case 39:
    case 40:
        return inColumns(at.column, 'a', 'i');
    case 43:
    case 44:
        return inColumns(at.column, 'a', 'e');
    case 46:
    case 47:
        return inColumns(at.column, 'a', 'd');
    default:
        return false;
    }
}

} // namespace

KeyPressHandler keyPressHandler(int catalogueIndex) {
    const QLatin1StringView name = FieldCatalogue::name(catalogueIndex);
    const FieldCoordinates at = FieldCatalogue::coordinates(catalogueIndex);
    if (at.isServiceLine()) {
        if (at.column == 'a')
            return KeyPressHandler::RevenueCode;
        if (name == QLatin1StringView("edit38j"))
            return KeyPressHandler::Field;
        return KeyPressHandler::Column; // b to j, and the page fields k and l of line 23
    }
    if (isOneOf(name, {"edit12j", "edit13j", "edit14j", "edit15j"}))
        return KeyPressHandler::ValueCents;
    if (isOneOf(name, {"edit5a", "edit9a"}))
        return KeyPressHandler::Jump;
    if (name == QLatin1StringView("edit54c"))
        return KeyPressHandler::TabOnly;
    if (isColumnBlockField(name, at))
        return KeyPressHandler::Column;
    return KeyPressHandler::Field;
}

bool hasLineCellChange(int catalogueIndex) {
    const FieldCoordinates at = FieldCatalogue::coordinates(catalogueIndex);
    if (!at.isServiceLine() || !inColumns(at.column, 'a', 'j'))
        return false;
    // The service dates below the first line only follow their own typing.
    return at.column != 'd' || at.group == model::kFirstServiceGroup;
}

bool hasLineCellMouse(int catalogueIndex) {
    return FieldCatalogue::coordinates(catalogueIndex).isServiceLine();
}

} // namespace cw::editor
