#include "editor/FieldNavigation.h"

#include "editor/FieldWiring.h"
#include "model/FieldCatalogue.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace cw::editor {

using model::FieldCatalogue;
using model::kFieldCount;

namespace {

// The order of the paper form's reading, not of the catalogue.
const char16_t* const kTabOrderNames[kTabOrderCount] = {
    u"edit1a",  u"edit2a",  u"edit3a",  u"edit4a",  u"edit1b",  u"edit2b",  u"edit3b",  u"edit4j",
    u"edit2c",  u"edit8j",  u"edit2d",  u"edit4b",  u"edit4c",  u"edit4d",  u"edit3c",  u"edit4i",
    u"edit5b",  u"edit6a",  u"edit5a",  u"edit6b",  u"edit6c",  u"edit6d",  u"edit6e",  u"edit8a",
    u"edit8b",  u"edit8d",  u"edit8e",  u"edit8f",  u"edit8g",  u"edit8h",  u"edit8i",  u"edit8k",
    u"edit8l",  u"edit8m",  u"edit8n",  u"edit8o",  u"edit8p",  u"edit8q",  u"edit8s",  u"edit8t",
    u"edit8u",  u"edit8v",  u"edit8w",  u"edit7a",  u"edit8r",  u"edit10a", u"edit10b", u"edit10c",
    u"edit10d", u"edit10e", u"edit10f", u"edit10g", u"edit10h", u"edit10i", u"edit10j", u"edit10k",
    u"edit10m", u"edit10n", u"edit10o", u"edit10p", u"edit11a", u"edit11b", u"edit11c", u"edit11d",
    u"edit11e", u"edit11f", u"edit11g", u"edit11h", u"edit11i", u"edit11j", u"edit11k", u"edit11m",
    u"edit11n", u"edit11o", u"edit11p", u"edit12a", u"edit13a", u"edit14a", u"edit15a", u"edit15k",
    u"edit12b", u"edit12c", u"edit12d", u"edit12e", u"edit12f", u"edit12g", u"edit12h", u"edit12i",
    u"edit12j", u"edit13b", u"edit13c", u"edit13d", u"edit13e", u"edit13f", u"edit13g", u"edit13h",
    u"edit13i", u"edit13j", u"edit14b", u"edit14c", u"edit14d", u"edit14e", u"edit14f", u"edit14g",
    u"edit14h", u"edit14i", u"edit14j", u"edit15b", u"edit15c", u"edit15d", u"edit15e", u"edit15f",
    u"edit15g", u"edit15h", u"edit15i", u"edit15j", u"edit16a", u"edit16b", u"edit16c", u"edit16d",
    u"edit16e", u"edit16f", u"edit16g", u"edit16h", u"edit16i", u"edit16j", u"edit17a", u"edit17b",
    u"edit17c", u"edit17d", u"edit17e", u"edit17f", u"edit17g", u"edit17h", u"edit17i", u"edit17j",
    u"edit18a", u"edit18b", u"edit18c", u"edit18d", u"edit18e", u"edit18f", u"edit18g", u"edit18h",
    u"edit18i", u"edit18j", u"edit19a", u"edit19b", u"edit19c", u"edit19d", u"edit19e", u"edit19f",
    u"edit19g", u"edit19h", u"edit19i", u"edit19j", u"edit20a", u"edit20b", u"edit20c", u"edit20d",
    u"edit20e", u"edit20f", u"edit20g", u"edit20h", u"edit20i", u"edit20j", u"edit21a", u"edit21b",
    u"edit21c", u"edit21d", u"edit21e", u"edit21f", u"edit21g", u"edit21h", u"edit21i", u"edit21j",
    u"edit22a", u"edit22b", u"edit22c", u"edit22d", u"edit22e", u"edit22f", u"edit22g", u"edit22h",
    u"edit22i", u"edit22j", u"edit23a", u"edit23b", u"edit23c", u"edit23d", u"edit23e", u"edit23f",
    u"edit23g", u"edit23h", u"edit23i", u"edit23j", u"edit24a", u"edit24b", u"edit24c", u"edit24d",
    u"edit24e", u"edit24f", u"edit24g", u"edit24h", u"edit24i", u"edit24j", u"edit25a", u"edit25b",
    u"edit25c", u"edit25d", u"edit25e", u"edit25f", u"edit25g", u"edit25h", u"edit25i", u"edit25j",
    u"edit26a", u"edit26b", u"edit26c", u"edit26d", u"edit26e", u"edit26f", u"edit26g", u"edit26h",
    u"edit26i", u"edit26j", u"edit27a", u"edit27b", u"edit27c", u"edit27d", u"edit27e", u"edit27f",
    u"edit27g", u"edit27h", u"edit27i", u"edit27j", u"edit28a", u"edit28b", u"edit28c", u"edit28d",
    u"edit28e", u"edit28f", u"edit28g", u"edit28h", u"edit28i", u"edit28j", u"edit29a", u"edit29b",
    u"edit29c", u"edit29d", u"edit29e", u"edit29f", u"edit29g", u"edit29h", u"edit29i", u"edit29j",
    u"edit30a", u"edit30b", u"edit30c", u"edit30d", u"edit30e", u"edit30f", u"edit30g", u"edit30h",
    u"edit30i", u"edit30j", u"edit31a", u"edit31b", u"edit31c", u"edit31d", u"edit31e", u"edit31f",
    u"edit31g", u"edit31h", u"edit31i", u"edit31j", u"edit32a", u"edit32b", u"edit32c", u"edit32d",
    u"edit32e", u"edit32f", u"edit32g", u"edit32h", u"edit32i", u"edit32j", u"edit33a", u"edit33b",
    u"edit33c", u"edit33d", u"edit33e", u"edit33f", u"edit33g", u"edit33h", u"edit33i", u"edit33j",
    u"edit34a", u"edit34b", u"edit34c", u"edit34d", u"edit34e", u"edit34f", u"edit34g", u"edit34h",
    u"edit34i", u"edit34j", u"edit35a", u"edit35b", u"edit35c", u"edit35d", u"edit35e", u"edit35f",
    u"edit35g", u"edit35h", u"edit35i", u"edit35j", u"edit36a", u"edit36b", u"edit36c", u"edit36d",
    u"edit36e", u"edit36f", u"edit36g", u"edit36h", u"edit36i", u"edit36j", u"edit37a", u"edit37b",
    u"edit37c", u"edit37d", u"edit37e", u"edit37f", u"edit37g", u"edit37h", u"edit37i", u"edit37j",
    u"edit38a", u"edit38k", u"edit38l", u"edit38d", u"edit38f", u"edit38g", u"edit38h", u"edit38i",
    u"edit38j", u"edit39a", u"edit39b", u"edit39c", u"edit39d", u"edit39e", u"edit39f", u"edit39g",
    u"edit39h", u"edit40a", u"edit40b", u"edit40c", u"edit40d", u"edit40e", u"edit40f", u"edit40g",
    u"edit40h", u"edit41a", u"edit41b", u"edit41c", u"edit41d", u"edit41e", u"edit41f", u"edit41g",
    u"edit41h", u"edit39i", u"edit40i", u"edit41i", u"edit42f", u"edit43a", u"edit43b", u"edit43c",
    u"edit43d", u"edit43e", u"edit44a", u"edit44b", u"edit44c", u"edit44d", u"edit44e", u"edit45a",
    u"edit45b", u"edit45c", u"edit45d", u"edit45e", u"edit46a", u"edit9a",  u"edit46c", u"edit47a",
    u"edit10l", u"edit47c", u"edit48a", u"edit11l", u"edit48c", u"edit49a", u"edit49b", u"edit49c",
    u"edit49d", u"edit49e", u"edit49f", u"edit49g", u"edit49h", u"edit49i", u"edit50j", u"edit50k",
    u"edit50l", u"edit50m", u"edit50n", u"edit50o", u"edit50p", u"edit50q", u"edit50r", u"edit50s",
    u"edit49m", u"edit50t", u"edit49j", u"edit51i", u"edit51j", u"edit51k", u"edit51l", u"edit49k",
    u"edit51m", u"edit51n", u"edit49l", u"edit50b", u"edit50c", u"edit50d", u"edit50e", u"edit50f",
    u"edit50g", u"edit51a", u"edit51b", u"edit51c", u"edit51d", u"edit51e", u"edit51f", u"edit52k",
    u"edit52l", u"edit52m", u"edit52n", u"edit52o", u"edit52p", u"edit52q", u"edit52r", u"edit52s",
    u"edit52t", u"edit52u", u"edit52v", u"edit52w", u"edit53g", u"edit52g", u"edit52h", u"edit52i",
    u"edit52j", u"edit53e", u"edit53f", u"edit54g", u"edit54h", u"edit54i", u"edit54j", u"edit55e",
    u"edit55f", u"edit52a", u"edit53a", u"edit54a", u"edit55a", u"edit52d", u"edit52e", u"edit52f",
    u"edit53b", u"edit53c", u"edit53d", u"edit54d", u"edit54e", u"edit54f", u"edit55b", u"edit55c",
    u"edit55d", u"edit4e",  u"edit4f",  u"edit4g",  u"edit4h",  u"edit8c",  u"edit38e", u"edit38c",
    u"edit38b", u"edit42b", u"edit42c", u"edit42d", u"edit42e", u"edit42a", u"edit46b", u"edit46d",
    u"edit47b", u"edit47d", u"edit48b", u"edit48d", u"edit50a", u"edit50h", u"edit50i", u"edit51g",
    u"edit51h", u"edit52b", u"edit52c", u"edit54b", u"edit54c",
};

struct TabOrder {
    std::array<int, kTabOrderCount> fieldAt{};
    std::array<int, kFieldCount> positionOf{};
};

const TabOrder& tabOrder() {
    static const TabOrder order = [] {
        TabOrder o;
        for (int p = 0; p < kTabOrderCount; ++p) {
            const int index = FieldCatalogue::indexOf(QStringView(kTabOrderNames[p]));
            o.fieldAt[std::size_t(p)] = index;
            o.positionOf[std::size_t(index)] = p;
        }
        return o;
    }();
    return order;
}

int indexOf(const char16_t* name) {
    return FieldCatalogue::indexOf(QStringView(name));
}

std::optional<int> fieldAt(int group, char column) {
    const int index = FieldCatalogue::indexAt(group, column);
    if (index < 0)
        return std::nullopt;
    return index;
}

std::optional<int> nextInColumn(int catalogueIndex) {
    const auto at = FieldCatalogue::coordinates(catalogueIndex);
    if (at.group == model::kLastServiceGroup)
        return fieldAt(model::kFirstServiceGroup, char(at.column + 1));
    return fieldAt(at.group + 1, at.column);
}

// Fixed wraps between the top and the bottom of the form, where the nearest-field rule would
// find nothing useful.
struct FixedWrap {
    const char16_t* from;
    const char16_t* to;
};
const FixedWrap kDownWraps[] = {
    {u"edit54a", u"edit1a"}, {u"edit54b", u"edit1b"}, {u"edit54c", u"edit2c"}};
const FixedWrap kUpWraps[] = {{u"edit1a", u"edit54a"},
                              {u"edit1b", u"edit54a"},
                              {u"edit2c", u"edit54b"},
                              {u"edit2d", u"edit54c"}};
constexpr int kWrapScrollLineSteps = 4;

template <std::size_t N>
std::optional<int> fixedWrap(const FixedWrap (&wraps)[N], int from) {
    for (const FixedWrap& w : wraps)
        if (indexOf(w.from) == from)
            return indexOf(w.to);
    return std::nullopt;
}

// Candidates are visited in catalogue order and only a strictly better one replaces the best,
// so ties go to the first in the catalogue.
template <typename Score>
std::optional<int> bestCandidate(Score score) {
    std::optional<int> best;
    long bestScore = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::optional<long> s = score(FieldCatalogue::entry(i), i);
        if (s && (!best || *s < bestScore)) {
            best = i;
            bestScore = *s;
        }
    }
    return best;
}

std::optional<int> verticalTarget(int from, bool down) {
    const auto& f = FieldCatalogue::entry(from);
    return bestCandidate([&](const model::FieldEntry& c, int) -> std::optional<long> {
        const int rise = down ? c.top - f.top : f.top - c.top;
        if (rise <= 10)
            return std::nullopt;
        return std::abs(c.top - f.top) + std::lrint(std::abs(c.left - f.left) / 3.0);
    });
}

std::optional<int> horizontalTarget(int from, bool right) {
    const auto& f = FieldCatalogue::entry(from);
    const auto onLine = [&](const model::FieldEntry& c) {
        return std::abs(c.top - f.top) <= 3;
    };
    const int sign = right ? 1 : -1;
    const std::optional<int> nearest =
        bestCandidate([&](const model::FieldEntry& c, int) -> std::optional<long> {
            const int distance = sign * (c.left - f.left);
            if (!onLine(c) || distance <= 0)
                return std::nullopt;
            return distance;
        });
    if (nearest)
        return nearest;
    // Wrap to the far end of the same line; fields that have no place on the form stay out.
    return bestCandidate([&](const model::FieldEntry& c, int) -> std::optional<long> {
        if (!onLine(c) || c.left <= 0)
            return std::nullopt;
        return sign * c.left;
    });
}

} // namespace

int tabOrderField(int position) {
    return tabOrder().fieldAt.at(std::size_t(position));
}

int tabOrderPosition(int catalogueIndex) {
    return tabOrder().positionOf.at(std::size_t(catalogueIndex));
}

int tabTarget(int catalogueIndex, bool backward) {
    int position = tabOrderPosition(catalogueIndex);
    const int step = backward ? kTabOrderCount - 1 : 1;
    // Terminates: most positions hold a field on the form.
    do
        position = (position + step) % kTabOrderCount;
    while (FieldCatalogue::isOffForm(tabOrderField(position)));
    return tabOrderField(position);
}

std::optional<int> enterTarget(int catalogueIndex) {
    switch (keyPressHandler(catalogueIndex)) {
    case KeyPressHandler::Column:
    case KeyPressHandler::RevenueCode:
        return nextInColumn(catalogueIndex);
    case KeyPressHandler::ValueCents:
        if (catalogueIndex == indexOf(u"edit15j"))
            return std::nullopt;
        return nextInColumn(catalogueIndex);
    case KeyPressHandler::Jump:
        return indexOf(catalogueIndex == indexOf(u"edit5a") ? u"edit6b" : u"edit10l");
    case KeyPressHandler::Field:
    case KeyPressHandler::TabOnly:
        break;
    }
    return std::nullopt;
}

bool enterPutsCaretAtStart(int catalogueIndex) {
    const auto at = FieldCatalogue::coordinates(catalogueIndex);
    return at.column == 'd' && at.group >= model::kFirstServiceGroup &&
           at.group < model::kLastServiceGroup;
}

ArrowMove ctrlArrowTarget(int catalogueIndex, ArrowDirection direction) {
    switch (direction) {
    case ArrowDirection::Down:
        if (auto wrap = fixedWrap(kDownWraps, catalogueIndex))
            return {wrap, -kWrapScrollLineSteps};
        return {verticalTarget(catalogueIndex, true)};
    case ArrowDirection::Up:
        if (auto wrap = fixedWrap(kUpWraps, catalogueIndex))
            return {wrap, kWrapScrollLineSteps};
        return {verticalTarget(catalogueIndex, false)};
    case ArrowDirection::Left:
        return {horizontalTarget(catalogueIndex, false)};
    case ArrowDirection::Right:
        return {horizontalTarget(catalogueIndex, true)};
    }
    return {};
}

} // namespace cw::editor
