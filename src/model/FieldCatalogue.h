#pragma once

// The fixed catalogue of the 509 claim fields: name and rectangle on the 762 x 986 form
// picture. The catalogue index orders the claim file and keys every per-field table.

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace cw::model {

inline constexpr int kFieldCount = 509;
inline constexpr int kHintAnchorCount = 75;
inline constexpr int kFieldHeight = 17;
inline constexpr int kFirstServiceGroup = 16;
inline constexpr int kLastServiceGroup = 38;

struct FieldEntry {
    const char* name;
    int left;
    int top;
    int width; // 0 for a field that has no place on the form
};

struct HintAnchor {
    const char* name; // "label" + group + letter of the field it explains
    int left;
    int top;
};

// Group number and column letter of a name "edit" + N + letter.
struct FieldCoordinates {
    int group;
    char column;

    bool isServiceLine() const { return group >= kFirstServiceGroup && group <= kLastServiceGroup; }
    int serviceLine() const { return group - kFirstServiceGroup + 1; }
};

class FieldCatalogue {
public:
    static std::span<const FieldEntry, kFieldCount> entries() { return table; }
    static const FieldEntry& entry(int index) { return table.at(static_cast<std::size_t>(index)); }
    static QLatin1StringView name(int index) { return QLatin1StringView(entry(index).name); }

    // Exact, case-sensitive match; -1 when no entry has that name.
    static int indexOf(QStringView name);

    static bool isOffForm(int index) { return entry(index).width == 0; }
    static bool isCentsField(int index);
    // Characters the user may type; 0 means no limit.
    static int maxLength(int index);

    static std::optional<FieldCoordinates> coordinates(QStringView fieldName);
    static FieldCoordinates coordinates(int index);
    // The index of "edit" + group + column; -1 when the catalogue has no such field.
    static int indexAt(int group, char column);

    // "edit1a" -> "label1ax" (caption label) and "label1a" (hint icon).
    static QString captionLabelName(int index);
    static QString hintIconName(int index);
    // "label1ax" -> "edit1a"; an empty text when the name is not a caption label's.
    static QString fieldNameOfCaptionLabel(QStringView labelName);

    static std::span<const HintAnchor, kHintAnchorCount> hintAnchors() { return anchorTable; }

private:
    static const std::array<FieldEntry, kFieldCount> table;
    static const std::array<HintAnchor, kHintAnchorCount> anchorTable;
};

} // namespace cw::model
