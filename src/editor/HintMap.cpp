#include "editor/HintMap.h"

#include "model/FieldCatalogue.h"

#include <QStringList>

#include <array>

namespace cw::editor {

using model::FieldCatalogue;

namespace {

// Each icon with the fields that show it. A field is written "16f" (group and column),
// "8k-q" (columns k to q of group 8) or "b-j/12-15" (columns b to j of groups 12 to 15).
struct IconFields {
    const char* icon;
    const char* fields;
};
const IconFields kIconFields[kMappedHintIconCount] = {
    {"label1a", "1a 2a 3a 4a"},
    {"label1b", "1b 2b 3b 4j"},
    {"label2c", "2c"},
    {"label2d", "2d"},
    {"label8j", "8j"},
    {"label4b", "4b"},
    {"label4c", "4c 4d"},
    {"label4e", "4e"},
    {"label4f", "4f"},
    {"label4g", "4g"},
    {"label4h", "4h"},
    {"label6a", "6a 5b"},
    {"label5a", "5a 6b 6c 6d 6e"},
    {"label8a", "8a"},
    {"label8b", "8b"},
    {"label8c", "8c"},
    {"label8d", "8d"},
    {"label8e", "8e"},
    {"label8f", "8f"},
    {"label8g", "8g"},
    {"label8h", "8h"},
    {"label8i", "8i"},
    {"label8k", "8k-q 8s-v"},
    {"label10a", "10a-h 11a-h"},
    {"label10i", "10i-k 10m-o 11i-k 11m-o"},
    {"label12a", "12a 13a 14a 15a 15k"},
    {"label12b", "b-j/12-15"},
    {"label16a", "a/16-38"},
    {"label16b", "b/16-38"},
    {"label16c", "c/16-38"},
    {"label16d", "d/16-37"},
    {"label16e", "e/16-38"},
    {"label16f", "f-g/16-38"},
    {"label16h", "h-i/16-38"},
    {"label16j", "j/16-38"},
    {"label38k", "38d 38k 38l"},
    {"label39a", "a/39-41"},
    {"label39b", "b/39-41"},
    {"label39c", "c/39-41"},
    {"label39d", "d/39-41"},
    {"label39e", "e-f/39-41"},
    {"label39g", "g-h/39-41 42d 42e"},
    {"label39i", "39i"},
    {"label40i", "40i 41i 42f"},
    {"label42a", "42a"},
    {"label43a", "a/43-45"},
    {"label43b", "b/43-45"},
    {"label43c", "c/43-45"},
    {"label43d", "d/43-45"},
    {"label43e", "e/43-45"},
    {"label46a", "a/46-48"},
    {"label46b", "b/46-48"},
    {"label46c", "c/46-48"},
    {"label46d", "d/46-48"},
    {"label9a", "9a 10l 11l"},
    {"label50j", "50j"},
    {"label49a", "49a"},
    {"label49b", "49b-i 50k-s"},
    {"label49j", "49j"},
    {"label51i", "51i-k"},
    {"label51l", "51l"},
    {"label49k", "49k 51m 51n"},
    {"label49l", "49l"},
    {"label50h", "50h 50i 52o-s"},
    {"label50a", "50a"},
    {"label50b", "50b 50c"},
    {"label51a", "50d-g 51a-f"},
    {"label52t", "52t-w 53g"},
    {"label51g", "51g 51h 52b 52c"},
    {"label54b", "54b"},
    {"label52a", "52a 53a 54a 55a"},
    {"label52d", "52d-f 53b-d 54d-f 55b-d"},
    {"label52g", "52g-j 53e 53f 54g-j 55e 55f"},
    {"label54c", "54c"},
};

struct CellRange {
    char firstColumn, lastColumn;
    int firstGroup, lastGroup;
};

// "16f", "8k-q" or "b-j/12-15".
CellRange parseRange(const QString& token) {
    const auto columns = [](QStringView letters) {
        return std::pair{char(letters.front().unicode()), char(letters.back().unicode())};
    };
    if (const qsizetype slash = token.indexOf(u'/'); slash >= 0) {
        const auto [first, last] = columns(token.first(slash));
        const QStringList groups = token.sliced(slash + 1).split(u'-');
        return {first, last, groups.front().toInt(), groups.back().toInt()};
    }
    qsizetype letters = 0;
    while (token[letters].isDigit())
        ++letters;
    const int group = token.first(letters).toInt();
    const auto [first, last] = columns(QStringView(token).sliced(letters));
    return {first, last, group, group};
}

std::array<QString, model::kFieldCount> buildMap() {
    std::array<QString, model::kFieldCount> map;
    for (const IconFields& entry : kIconFields) {
        const QStringList tokens = QString::fromLatin1(entry.fields).split(u' ');
        for (const QString& token : tokens) {
            const CellRange range = parseRange(token);
            for (int group = range.firstGroup; group <= range.lastGroup; ++group)
                for (char column = range.firstColumn; column <= range.lastColumn; ++column)
                    if (const int index = FieldCatalogue::indexAt(group, column); index >= 0)
                        map[std::size_t(index)] = QString::fromLatin1(entry.icon);
        }
    }
    return map;
}

} // namespace

QString hintIconOfField(int catalogueIndex) {
    static const std::array<QString, model::kFieldCount> map = buildMap();
    return map.at(std::size_t(catalogueIndex));
}

} // namespace cw::editor
