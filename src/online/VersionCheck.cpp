#include "online/VersionCheck.h"

#include "online/MakerServers.h"
#include "online/ProgramVersion.h"
#include "online/WebRequests.h"

#include <QCoreApplication>

#include <algorithm>

namespace cw::online {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("VersionCheck", text);
}

// The number written at 1-based characters first..last, all ASCII digits; nothing otherwise.
std::optional<int> numberAt(QStringView text, qsizetype first, qsizetype last) {
    if (text.size() < last)
        return std::nullopt;
    const QStringView digits = text.sliced(first - 1, last - first + 1);
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return digits.toInt();
}

} // namespace

std::optional<QDate> versionDate(QStringView text) {
    const std::optional<int> month = numberAt(text, 1, 2);
    const std::optional<int> day = numberAt(text, 4, 5);
    const std::optional<int> year = numberAt(text, 7, 10);
    if (!month || !day || !year)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

Result<VersionStatus> checkForNewVersion() {
    const Result<QString> answer = httpGetText(mainServerUrl(QLatin1StringView(kVersionCheckPath)));
    if (!answer)
        return Error{answer.error()};
    const QString newest = answer->trimmed();
    const std::optional<QDate> newestDate = versionDate(newest);
    if (!newestDate)
        return Error{tr("The newest version's date \"%1\" is not a date.").arg(newest)};
    const std::optional<QDate> built = versionDate(QString::fromLatin1(kBuildDate));
    if (!built)
        return Error{tr("The build date is not a date.")};
    return *built >= *newestDate ? VersionStatus::UpToDate : VersionStatus::NewerAvailable;
}

QString upToDateMessage() {
    return tr("You are using the newest version of the program.");
}

QString newVersionQuestion() {
    return tr("There is a new version available. Would you like to download and install it now?");
}

QString versionCheckFailedMessage() {
    return tr("The version check is not working. You are either not connected\n"
              "   to the internet, or are behind a proxy server.");
}

QString cannotSaveDownloadMessage() {
    return tr("The download failed because it could not be saved to your hard drive.");
}

QString downloadFailedMessage() {
    return tr("The new version could not be downloaded. Please try again.");
}

} // namespace cw::online
