#include "prefs/PreferencesErrorReport.h"

#include "platform/ErrorText.h"

namespace cw::prefs {

QString preferencesErrorText() {
    return platform::programErrorText(QStringLiteral("Program settings could not be saved."));
}

void PreferencesErrorReporter::reportPreferencesError(const QString& message) const {
    if (sendErrorReport)
        sendErrorReport(QLatin1StringView(kPreferencesErrorTag), message);
    if (notify)
        notify(preferencesErrorText());
}

} // namespace cw::prefs
