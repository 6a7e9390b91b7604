#pragma once

// What happens when the preferences cannot be loaded or saved: an error report to the maker
// and a message to the user. The prefs library shows no windows; the caller supplies both.

#include <QString>

#include <functional>

namespace cw::prefs {

inline constexpr char kPreferencesErrorTag[] = "PrefsErrorMsg";

// The message shown for every load and save failure, lines separated by CR LF.
QString preferencesErrorText();

struct PreferencesErrorReporter {
    // Shows the text to the user; the editor passes a message box.
    std::function<void(const QString& text)> notify;
    // Sends an error report with the tag and the message. Left empty until the online
    // services exist; failures of the sending are the sender's to swallow.
    std::function<void(const QString& tag, const QString& message)> sendErrorReport;

    void reportPreferencesError(const QString& message) const;
};

} // namespace cw::prefs
