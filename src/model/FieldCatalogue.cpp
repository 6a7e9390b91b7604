#include "model/FieldCatalogue.h"

#include <QHash>

namespace cw::model {

namespace {

const QHash<QString, int>& indexByName() {
    static const QHash<QString, int> map = [] {
        QHash<QString, int> m;
        m.reserve(kFieldCount);
        for (int i = 0; i < kFieldCount; ++i)
            m.insert(QString(FieldCatalogue::name(i)), i);
        return m;
    }();
    return map;
}

// Columns g and i of the service lines, the value-code cents and the payer-amount cents hold
// the two cents digits of the amount to their left.
bool isCentsName(const FieldCoordinates& c) {
    if (c.isServiceLine())
        return c.column == 'g' || c.column == 'i';
    if (c.group >= 12 && c.group <= 15)
        return c.column == 'd' || c.column == 'g' || c.column == 'j';
    if (c.group >= 39 && c.group <= 41)
        return c.column == 'f' || c.column == 'h';
    return false;
}

const std::array<bool, kFieldCount>& centsFlags() {
    static const std::array<bool, kFieldCount> flags = [] {
        std::array<bool, kFieldCount> f{};
        for (int i = 0; i < kFieldCount; ++i)
            f[static_cast<std::size_t>(i)] = isCentsName(FieldCatalogue::coordinates(i));
        return f;
    }();
    return flags;
}

// Group numbers run from 1 to 55 and column letters from a to w.
constexpr int kGroupSlots = 64;
constexpr int kColumnSlots = 26;

struct CoordinateTables {
    std::array<FieldCoordinates, kFieldCount> ofIndex{};
    std::array<int, kGroupSlots * kColumnSlots> indexOfCell{};
};

const CoordinateTables& coordinateTables() {
    static const CoordinateTables tables = [] {
        CoordinateTables t;
        t.indexOfCell.fill(-1);
        for (int i = 0; i < kFieldCount; ++i) {
            const FieldCoordinates c =
                *FieldCatalogue::coordinates(QString(FieldCatalogue::name(i)));
            t.ofIndex[static_cast<std::size_t>(i)] = c;
            t.indexOfCell.at(static_cast<std::size_t>(c.group * kColumnSlots + (c.column - 'a'))) =
                i;
        }
        return t;
    }();
    return tables;
}

const QLatin1StringView kEdit("edit");
const QLatin1StringView kLabel("label");

} // namespace

int FieldCatalogue::indexOf(QStringView name) {
    return indexByName().value(name.toString(), -1);
}

FieldCoordinates FieldCatalogue::coordinates(int index) {
    return coordinateTables().ofIndex.at(static_cast<std::size_t>(index));
}

int FieldCatalogue::indexAt(int group, char column) {
    if (group < 0 || group >= kGroupSlots || column < 'a' || column > 'z')
        return -1;
    return coordinateTables()
        .indexOfCell[static_cast<std::size_t>(group * kColumnSlots + (column - 'a'))];
}

bool FieldCatalogue::isCentsField(int index) {
    return centsFlags().at(static_cast<std::size_t>(index));
}

int FieldCatalogue::maxLength(int index) {
    return isCentsField(index) ? 2 : entry(index).width / 7;
}

std::optional<FieldCoordinates> FieldCatalogue::coordinates(QStringView fieldName) {
    if (!fieldName.startsWith(kEdit) || fieldName.size() < kEdit.size() + 2)
        return std::nullopt;
    const QChar letter = fieldName.back();
    if (letter < u'a' || letter > u'z')
        return std::nullopt;
    bool ok = false;
    const int group =
        fieldName.sliced(kEdit.size(), fieldName.size() - kEdit.size() - 1).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return FieldCoordinates{group, static_cast<char>(letter.unicode())};
}

QString FieldCatalogue::captionLabelName(int index) {
    return hintIconName(index) + u'x';
}

QString FieldCatalogue::hintIconName(int index) {
    return kLabel + name(index).sliced(kEdit.size());
}

QString FieldCatalogue::fieldNameOfCaptionLabel(QStringView labelName) {
    if (!labelName.startsWith(kLabel) || !labelName.endsWith(u'x'))
        return {};
    return kEdit + labelName.sliced(kLabel.size(), labelName.size() - kLabel.size() - 1).toString();
}

} // namespace cw::model
