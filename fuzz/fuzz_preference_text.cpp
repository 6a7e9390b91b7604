// A preference text, as a seed file (Windows-1252) or as the registry's value (any text),
// parses to preferences whose saved text parses to the same preferences.

#include "FuzzCheck.h"
#include "model/Windows1252.h"
#include "prefs/PreferenceText.h"

#include <algorithm>

using namespace cw::prefs;
using cw::fuzz::require;

namespace {

Preferences parsedOverDefaults(QStringView text) {
    Preferences preferences;
    preferences.resetToDefaults();
    parsePreferenceLines(splitPreferenceLines(text), preferences);
    return preferences;
}

void checkFixedPoint(const QString& text) {
    const Preferences parsed = parsedOverDefaults(text);
    const QString saved = buildPreferenceText(parsed);
    require(parsedOverDefaults(saved) == parsed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes = cw::fuzz::bytesOf(data, size);
    checkFixedPoint(cw::model::Windows1252::decode(bytes));
    // ASCII reads the same either way.
    if (std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; }))
        checkFixedPoint(QString::fromUtf8(bytes));
    return 0;
}
