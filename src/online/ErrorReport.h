#pragma once

// The one-line error report sent to the maker's main server, and the rule that keeps patient
// data out of it.
//
// A report is five pairs, each key:"value" with nothing inside a value escaped:
//     TAG:"message" BuildDate:"07/09/2009" Product:"CWMAIN" DateTime:"date" WindowsVersion:"os"
// Messages can name claim files, whose names hold patients' names, and folders under the
// user's name; the report is sent without asking the clerk, so its message passes through
// reportableMessage() first. The message box on screen still shows the whole message.

#include "online/ProgramVersion.h"

#include <QString>

namespace cw::online {

inline constexpr char kProductCode[] = "CWMAIN";
inline constexpr char kErrorReportPath[] = "/programsuggestionbox.pl?field1=";

// The message without what may identify a patient: every quoted stretch ("..." or “...”)
// becomes "[removed]", and every clause (the text between line breaks, ": " and "; ") that
// holds a path separator or a file name's extension becomes [removed].
QString reportableMessage(const QString& message);

// The report line; the message is made reportable here, so no report can skip the rule.
QString errorReportLine(const QString& tag, const QString& message, const QString& date,
                        const QString& osVersion);

// Sends the report of message under tag (ErrorMsg, PrefsErrorMsg) with today's date in the
// user's short format; the answer is dropped and every failure swallowed.
void sendErrorReport(const QString& tag, const QString& message);

} // namespace cw::online
