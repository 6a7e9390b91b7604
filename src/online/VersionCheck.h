#pragma once

// Whether the maker's main server offers a release newer than this one. The server's
// "/ub04versioncheck.txt" holds the newest release's date as MM/DD/YYYY; the build date is
// written the same way.

#include "platform/Result.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace cw::online {

inline constexpr char kVersionCheckPath[] = "/ub04versioncheck.txt";

// Reads the fixed places of MM/DD/YYYY: the month from characters 1-2, the day from 4-5, the
// year from 7-10, each all digits; characters 3 and 6 are not looked at. Nothing when a place
// is not a number or the three make no calendar date ("7/9/2009" fails).
std::optional<QDate> versionDate(QStringView text);

enum class VersionStatus { UpToDate, NewerAvailable };

// Compares the server's date, trimmed of blanks and line ends, with the build date; a server
// date equal to the build date is up to date. An error when the server cannot be asked or its
// text is not a date.
Result<VersionStatus> checkForNewVersion();

// The texts the check shows.
QString upToDateMessage();
QString newVersionQuestion();
QString versionCheckFailedMessage();
QString cannotSaveDownloadMessage();
QString downloadFailedMessage();

} // namespace cw::online
