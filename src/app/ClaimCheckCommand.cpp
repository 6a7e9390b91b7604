#include "app/ClaimCheckCommand.h"

#include "check/ClaimCheck.h"
#include "model/ClaimFile.h"
#include "model/FieldCatalogue.h"

#include <QCoreApplication>
#include <QTextStream>

namespace cw::app {

ExitStatus runClaimCheck(const QStringList& claimPaths, QTextStream& out, QTextStream& err) {
    bool unreadable = false;
    bool errors = false;
    for (const QString& path : claimPaths) {
        const Result<model::ClaimValues> claim = model::readClaimFile(path);
        if (!claim) {
            err << QCoreApplication::translate("ClaimCheckCommand",
                                               "claimwright: cannot check %1: %2")
                       .arg(path, claim.error())
                << Qt::endl;
            unreadable = true;
            continue;
        }
        for (const check::Finding& finding : check::checkClaim(*claim)) {
            out << path << ": " << finding.locator << ' '
                << model::FieldCatalogue::name(finding.field) << ": "
                << check::severityWord(finding.severity) << ": " << finding.message << '\n';
            errors = errors || finding.severity == check::Severity::Error;
        }
    }
    out.flush();
    if (unreadable)
        return kClaimUnreadable;
    return errors ? kErrorsFound : kNoErrorsFound;
}

} // namespace cw::app
