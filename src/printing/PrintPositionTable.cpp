// The print position table, kept as the paper form reads: one entry per print line, its
// fields in order of x. The 22 service lines share one column layout and are expanded from it.

#include "printing/PrintPositionTable.h"

#include "model/FieldCatalogue.h"

#include <QtGlobal>

#include <array>

namespace cw::printing {

namespace {

constexpr TextAlignment L = TextAlignment::Left;
constexpr TextAlignment R = TextAlignment::Right;
constexpr TextAlignment C = TextAlignment::Center;

struct PlacedField {
    int y;
    const char* name;
    TextAlignment alignment;
    int x;
};

// Print line by print line, in order of x within a line: every field except those of the service
// lines 1 to 22 (groups 16 to 37).
constexpr PlacedField kPrintLines[] = {
    {20, "edit1a", L, 22},    {20, "edit1b", L, 197},   {20, "edit2c", L, 396},
    {31, "edit2a", L, 22},    {31, "edit2b", L, 197},   {31, "edit8j", L, 396},
    {31, "edit2d", L, 567},   {43, "edit3a", L, 22},    {43, "edit3b", L, 197},
    {43, "edit3c", L, 550},   {55, "edit4a", L, 22},    {55, "edit4j", L, 197},
    {55, "edit4b", L, 373},   {55, "edit4c", L, 444},   {55, "edit4d", L, 495},
    {55, "edit4i", L, 547},   {67, "edit5b", L, 93},    {67, "edit5a", L, 308},
    {78, "edit6a", L, 23},    {78, "edit6b", L, 238},   {78, "edit6c", L, 476},
    {78, "edit6d", L, 505},   {78, "edit6e", L, 581},   {90, "edit7a", L, 517},
    {102, "edit8a", R, 72},   {102, "edit8b", C, 84},   {102, "edit8d", L, 99},
    {102, "edit8e", C, 150},  {102, "edit8f", C, 172},  {102, "edit8g", C, 194},
    {102, "edit8h", C, 215},  {102, "edit8i", C, 237},  {102, "edit8k", C, 257},
    {102, "edit8l", C, 280},  {102, "edit8m", C, 301},  {102, "edit8n", C, 323},
    {102, "edit8o", C, 345},  {102, "edit8p", C, 367},  {102, "edit8q", C, 388},
    {102, "edit8s", C, 408},  {102, "edit8t", C, 431},  {102, "edit8u", C, 453},
    {102, "edit8v", C, 475},  {102, "edit8w", C, 497},  {102, "edit8r", L, 514},
    {126, "edit10a", R, 30},  {126, "edit10b", L, 35},  {126, "edit10c", C, 92},
    {126, "edit10d", L, 107}, {126, "edit10e", C, 165}, {126, "edit10f", L, 178},
    {126, "edit10g", C, 237}, {126, "edit10h", L, 250}, {126, "edit10i", C, 308},
    {126, "edit10j", L, 324}, {126, "edit10k", L, 374}, {126, "edit10m", C, 432},
    {126, "edit10n", L, 446}, {126, "edit10o", L, 497}, {126, "edit10p", L, 547},
    {139, "edit11a", R, 30},  {139, "edit11b", L, 35},  {139, "edit11c", C, 92},
    {139, "edit11d", L, 107}, {139, "edit11e", C, 165}, {139, "edit11f", L, 178},
    {139, "edit11g", C, 237}, {139, "edit11h", L, 250}, {139, "edit11i", C, 308},
    {139, "edit11j", L, 324}, {139, "edit11k", L, 374}, {139, "edit11m", C, 432},
    {139, "edit11n", L, 446}, {139, "edit11o", L, 497}, {139, "edit11p", L, 547},
    {151, "edit12a", L, 27},  {163, "edit13a", L, 27},  {163, "edit12b", C, 330},
    {163, "edit12c", R, 397}, {163, "edit12d", L, 400}, {163, "edit12e", C, 425},
    {163, "edit12f", R, 490}, {163, "edit12g", L, 494}, {163, "edit12h", C, 518},
    {163, "edit12i", R, 583}, {163, "edit12j", L, 586}, {175, "edit14a", L, 27},
    {175, "edit13b", C, 330}, {175, "edit13c", R, 397}, {175, "edit13d", L, 400},
    {175, "edit13e", C, 425}, {175, "edit13f", R, 490}, {175, "edit13g", L, 494},
    {175, "edit13h", C, 518}, {175, "edit13i", R, 583}, {175, "edit13j", L, 586},
    {187, "edit15a", L, 27},  {187, "edit14b", C, 330}, {187, "edit14c", R, 397},
    {187, "edit14d", L, 400}, {187, "edit14e", C, 425}, {187, "edit14f", R, 490},
    {187, "edit14g", L, 494}, {187, "edit14h", C, 518}, {187, "edit14i", R, 583},
    {187, "edit14j", L, 586}, {199, "edit15k", L, 27},  {199, "edit15b", C, 330},
    {199, "edit15c", R, 397}, {199, "edit15d", L, 400}, {199, "edit15e", C, 425},
    {199, "edit15f", R, 490}, {199, "edit15g", L, 494}, {199, "edit15h", C, 518},
    {199, "edit15i", R, 583}, {199, "edit15j", L, 586}, {489, "edit38a", R, 41},
    {489, "edit38k", R, 96},  {489, "edit38l", R, 139}, {489, "edit38d", L, 338},
    {489, "edit38f", R, 491}, {489, "edit38g", L, 496}, {489, "edit38h", R, 563},
    {489, "edit38i", L, 568}, {489, "edit38j", L, 584}, {501, "edit39i", L, 496},
    {513, "edit39a", L, 20},  {513, "edit39b", L, 178}, {513, "edit39c", C, 291},
    {513, "edit39d", C, 313}, {513, "edit39e", R, 374}, {513, "edit39f", L, 379},
    {513, "edit39g", R, 453}, {513, "edit39h", L, 458}, {513, "edit40i", L, 496},
    {525, "edit40a", L, 20},  {525, "edit40b", L, 178}, {525, "edit40c", C, 291},
    {525, "edit40d", C, 313}, {525, "edit40e", R, 374}, {525, "edit40f", L, 379},
    {525, "edit40g", R, 453}, {525, "edit40h", L, 458}, {525, "edit41i", L, 496},
    {537, "edit41a", L, 20},  {537, "edit41b", L, 178}, {537, "edit41c", C, 291},
    {537, "edit41d", C, 313}, {537, "edit41e", R, 374}, {537, "edit41f", L, 379},
    {537, "edit41g", R, 453}, {537, "edit41h", L, 458}, {537, "edit42f", L, 496},
    {561, "edit43a", L, 20},  {561, "edit43b", C, 208}, {561, "edit43c", L, 223},
    {561, "edit43d", L, 368}, {561, "edit43e", L, 477}, {573, "edit44a", L, 20},
    {573, "edit44b", C, 208}, {573, "edit44c", L, 223}, {573, "edit44e", L, 477},
    {574, "edit44d", L, 368}, {586, "edit45a", L, 20},  {586, "edit45b", C, 208},
    {586, "edit45c", L, 223}, {586, "edit45d", L, 368}, {586, "edit45e", L, 477},
    {610, "edit46a", L, 20},  {610, "edit9a", L, 236},  {610, "edit46c", L, 424},
    {622, "edit47a", L, 20},  {622, "edit10l", L, 236}, {622, "edit47c", L, 424},
    {635, "edit48a", L, 20},  {635, "edit11l", L, 236}, {635, "edit48c", L, 425},
    {647, "edit49a", L, 20},  {647, "edit49b", L, 78},  {647, "edit49c", L, 136},
    {647, "edit49d", L, 194}, {647, "edit49e", L, 252}, {647, "edit49f", L, 310},
    {647, "edit49g", L, 368}, {647, "edit49h", L, 426}, {647, "edit49i", L, 484},
    {647, "edit49m", L, 545}, {659, "edit50j", R, 19},  {659, "edit50k", L, 20},
    {659, "edit50l", L, 78},  {659, "edit50m", L, 136}, {659, "edit50n", L, 194},
    {659, "edit50o", L, 252}, {659, "edit50p", L, 310}, {659, "edit50q", L, 368},
    {659, "edit50r", L, 426}, {659, "edit50s", L, 484}, {659, "edit50t", L, 542},
    {671, "edit49j", L, 40},  {671, "edit51i", L, 129}, {671, "edit51j", L, 180},
    {671, "edit51k", L, 230}, {671, "edit51l", L, 310}, {671, "edit49k", L, 360},
    {671, "edit51m", L, 418}, {671, "edit51n", L, 475}, {671, "edit49l", L, 537},
    {683, "edit52k", L, 341}, {683, "edit52o", L, 431}, {683, "edit52p", L, 523},
    {683, "edit52q", L, 540}, {695, "edit50b", R, 67},  {695, "edit50c", L, 71},
    {695, "edit50d", L, 122}, {695, "edit50e", L, 178}, {695, "edit50f", L, 230},
    {695, "edit50g", L, 286}, {695, "edit52l", L, 336}, {695, "edit52r", L, 388},
    {695, "edit52s", L, 517}, {707, "edit52m", L, 336}, {707, "edit52t", L, 431},
    {707, "edit52u", L, 523}, {707, "edit52v", L, 540}, {719, "edit51a", R, 67},
    {719, "edit51b", L, 70},  {719, "edit51c", L, 122}, {719, "edit51d", L, 178},
    {719, "edit51e", L, 230}, {719, "edit51f", L, 286}, {719, "edit52n", L, 336},
    {719, "edit52w", L, 388}, {719, "edit53g", L, 517}, {731, "edit52a", L, 45},
    {731, "edit52d", C, 205}, {731, "edit52e", L, 216}, {731, "edit52f", L, 288},
    {731, "edit52g", L, 408}, {731, "edit52h", L, 431}, {731, "edit52i", L, 523},
    {731, "edit52j", L, 540}, {743, "edit53a", L, 19},  {743, "edit53b", C, 205},
    {743, "edit53c", L, 216}, {743, "edit53d", L, 288}, {743, "edit53e", L, 388},
    {743, "edit53f", L, 517}, {755, "edit54a", L, 19},  {755, "edit54d", C, 205},
    {755, "edit54e", L, 216}, {755, "edit54f", L, 288}, {755, "edit54g", L, 408},
    {755, "edit54h", L, 431}, {755, "edit54i", L, 523}, {755, "edit54j", L, 540},
    {767, "edit55a", L, 19},  {767, "edit55b", C, 205}, {767, "edit55c", L, 216},
    {767, "edit55d", L, 288}, {767, "edit55e", L, 388}, {767, "edit55f", L, 517}};

struct ServiceColumn {
    char letter;
    TextAlignment alignment;
    int x;
};

constexpr std::array<ServiceColumn, 10> kServiceColumns = {{{'a', R, 41},
                                                            {'b', L, 49},
                                                            {'c', L, 229},
                                                            {'d', L, 338},
                                                            {'e', L, 389},
                                                            {'f', R, 491},
                                                            {'g', L, 496},
                                                            {'h', R, 563},
                                                            {'i', L, 568},
                                                            {'j', L, 584}}};

// y of service lines 1 to 22; the pitch is 12 points with one 13-point step before line 16.
constexpr std::array<int, 22> kServiceLineY = {223, 235, 247, 259, 271, 283, 295, 307,
                                               319, 331, 343, 355, 367, 379, 391, 404,
                                               416, 428, 440, 452, 464, 476};

using Table = std::array<PrintPosition, model::kFieldCount>;

void place(Table& table, const QString& name, PrintPosition position) {
    const int index = model::FieldCatalogue::indexOf(name);
    Q_ASSERT_X(index >= 0, "printPosition", "print line names a field the catalogue lacks");
    Q_ASSERT_X(!table[static_cast<std::size_t>(index)].isPrinted(), "printPosition",
               "field placed twice");
    table[static_cast<std::size_t>(index)] = position;
}

Table buildTable() {
    Table table{};
    for (const PlacedField& field : kPrintLines)
        place(table, QLatin1StringView(field.name), {field.alignment, field.y, field.x});
    for (std::size_t row = 0; row < kServiceLineY.size(); ++row) {
        const int group = model::kFirstServiceGroup + static_cast<int>(row);
        for (const ServiceColumn& column : kServiceColumns) {
            const QString name = QLatin1StringView("edit") + QString::number(group) +
                                 QChar::fromLatin1(column.letter);
            place(table, name, {column.alignment, kServiceLineY[row], column.x});
        }
    }
    return table;
}

} // namespace

PrintPosition printPosition(int catalogueIndex) {
    static const Table table = buildTable();
    return table.at(static_cast<std::size_t>(catalogueIndex));
}

} // namespace cw::printing
