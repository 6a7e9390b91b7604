#include "prefs/PreferenceText.h"

#include "model/ClaimFile.h"
#include "prefs/TypedPreferences.h"

#include <QRegularExpression>

#include <vector>

namespace cw::prefs {

namespace {

// Slots up to this one hold words and numbers that are compared in lower case.
constexpr int kLastLowerCasedSlot = 13;

QString keyLine(Pref slot) {
    return u'[' + QString(preferenceKey(slot).key) + u']';
}

} // namespace

QString buildPreferenceText(const Preferences& preferences) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString text;
    text.reserve(2048);
    for (int i = 0; i < kPreferenceCount; ++i) {
        QString value = preferences[prefAt(i)];
        value.replace(lineBreak, QStringLiteral(" "));
        text += keyLine(prefAt(i));
        text += QStringLiteral("\r\n");
        text += value;
        text += QStringLiteral("\r\n");
    }
    return text;
}

QStringList splitPreferenceLines(QStringView text) {
    QStringList lines = model::splitClaimLines(text);
    if (lines.size() > kMaxPreferenceLines)
        lines.resize(kMaxPreferenceLines);
    return lines;
}

void parsePreferenceLines(const QStringList& lines, Preferences& preferences) {
    // A line that an earlier slot took as its value is not searched for markers: a template
    // text holding "[TEMPLATE_TAXID_1]" must not become the key line of that slot.
    std::vector<bool> takenAsValue(static_cast<std::size_t>(lines.size()), false);
    for (int i = 0; i < kPreferenceCount; ++i) {
        const Pref slot = prefAt(i);
        const QString marker = keyLine(slot);
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (takenAsValue[static_cast<std::size_t>(line)] || !lines[line].contains(marker))
                continue;
            const qsizetype valueLine = line + 1;
            const QString candidate = valueLine < lines.size() ? lines[valueLine] : QString();
            if (TypedPreferences::accepts(slot, candidate)) {
                preferences[slot] = candidate;
                if (valueLine < lines.size())
                    takenAsValue[static_cast<std::size_t>(valueLine)] = true;
            }
            break;
        }
    }
    for (int i = 0; i <= kLastLowerCasedSlot; ++i)
        preferences[prefAt(i)] = preferences[prefAt(i)].toLower();
}

} // namespace cw::prefs
