#include "prefs/TypedPreferences.h"

#include <QLatin1StringView>

#include <algorithm>
#include <array>

namespace cw::prefs {

namespace {

using L = QLatin1StringView;
using Words = std::array<L, 2>;

// The two words of each word kind, in the order of its values.
template <typename Value>
struct WordKind;

template <>
struct WordKind<FlagState> {
    static constexpr PreferenceKind kind = PreferenceKind::Flag;
    static constexpr Words words = {L("true"), L("false")};
};

template <>
struct WordKind<PrintMode> {
    static constexpr PreferenceKind kind = PreferenceKind::PrintMode;
    static constexpr Words words = {L("regular"), L("linesandboxes")};
};

template <>
struct WordKind<PictureColour> {
    static constexpr PreferenceKind kind = PreferenceKind::PictureColour;
    static constexpr Words words = {L("black"), L("color")};
};

// A word in any case reads as that word.
template <typename Value>
Value readWord(const QString& text) {
    const Words& words = WordKind<Value>::words;
    static_assert(static_cast<std::size_t>(Value::Unknown) == std::tuple_size_v<Words>);
    const QString lower = text.toLower();
    return static_cast<Value>(std::find(words.begin(), words.end(), lower) - words.begin());
}

template <typename Value>
Value readWordSlot(const Preferences& preferences, Pref slot) {
    Q_ASSERT(preferenceKey(slot).kind == WordKind<Value>::kind);
    return readWord<Value>(preferences[slot]);
}

template <typename Value>
QString wordText(Pref slot, Value value) {
    Q_ASSERT(preferenceKey(slot).kind == WordKind<Value>::kind);
    Q_ASSERT(value != Value::Unknown);
    return WordKind<Value>::words[static_cast<std::size_t>(value)];
}

std::optional<int> readInteger(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool kindReads(PreferenceKind kind, const QString& text) {
    switch (kind) {
    case PreferenceKind::Integer:
        return readInteger(text).has_value();
    case PreferenceKind::PrintMode:
        return readWord<PrintMode>(text) != PrintMode::Unknown;
    case PreferenceKind::PictureColour:
        return readWord<PictureColour>(text) != PictureColour::Unknown;
    case PreferenceKind::Flag:
        return readWord<FlagState>(text) != FlagState::Unknown;
    case PreferenceKind::AnyText:
        return true;
    }
    return false;
}

bool inRange(const NumberRange& range, int value) {
    return value >= range.minimum && value <= range.maximum;
}

} // namespace

TypedPreferences::TypedPreferences(Preferences& preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences) {}

bool TypedPreferences::accepts(Pref slot, const QString& text) {
    const PreferenceKey& row = preferenceKey(slot);
    return text == row.defaultValue || kindReads(row.kind, text);
}

int TypedPreferences::defaultNumber(Pref slot) {
    const PreferenceKey& row = preferenceKey(slot);
    Q_ASSERT(row.kind == PreferenceKind::Integer);
    return QString(row.defaultValue).toInt();
}

bool TypedPreferences::flag(Pref slot) const {
    return flagState(slot) == FlagState::True;
}

FlagState TypedPreferences::flagState(Pref slot) const {
    return readWordSlot<FlagState>(m_preferences, slot);
}

std::optional<int> TypedPreferences::number(Pref slot) const {
    const PreferenceKey& row = preferenceKey(slot);
    Q_ASSERT(row.kind == PreferenceKind::Integer);
    const std::optional<int> value = readInteger(m_preferences[slot]);
    if (value && inRange(row.range, *value))
        return value;
    return std::nullopt;
}

int TypedPreferences::numberOrDefault(Pref slot) const {
    return number(slot).value_or(defaultNumber(slot));
}

PrintMode TypedPreferences::printMode(Pref slot) const {
    return readWordSlot<PrintMode>(m_preferences, slot);
}

PictureColour TypedPreferences::pictureColour(Pref slot) const {
    return readWordSlot<PictureColour>(m_preferences, slot);
}

const QString& TypedPreferences::text(Pref slot) const {
    return m_preferences[slot];
}

void TypedPreferences::setFlag(Pref slot, bool on) {
    write(slot, wordText(slot, on ? FlagState::True : FlagState::False));
}

void TypedPreferences::setNumber(Pref slot, int value) {
    const PreferenceKey& row = preferenceKey(slot);
    Q_ASSERT(row.kind == PreferenceKind::Integer && inRange(row.range, value));
    write(slot, QString::number(value));
}

void TypedPreferences::setPrintMode(Pref slot, PrintMode mode) {
    write(slot, wordText(slot, mode));
}

void TypedPreferences::setPictureColour(Pref slot, PictureColour colour) {
    write(slot, wordText(slot, colour));
}

void TypedPreferences::setText(Pref slot, const QString& text) {
    Q_ASSERT(preferenceKey(slot).kind == PreferenceKind::AnyText);
    write(slot, text);
}

TypedPreferences::KeptTexts TypedPreferences::keepTexts(std::initializer_list<Pref> which) const {
    KeptTexts kept;
    kept.reserve(which.size());
    for (const Pref slot : which)
        kept.emplace_back(slot, m_preferences[slot]);
    return kept;
}

void TypedPreferences::restoreTexts(const KeptTexts& kept) {
    for (const auto& [slot, text] : kept)
        write(slot, text);
}

void TypedPreferences::write(Pref slot, const QString& text) {
    m_preferences[slot] = text;
    emit changed(slot);
}

} // namespace cw::prefs
