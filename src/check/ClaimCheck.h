#pragma once

// The claim check: every rule of the table run over one claim, the findings in the order the
// form reads. It only reads the claim.

#include "check/ClaimRules.h"
#include "model/ClaimValues.h"

#include <QString>

#include <vector>

namespace cw::check {

struct Finding {
    Severity severity;
    QString locator; // "FL 56"
    int field;       // catalogue index of the field to correct
    QString message; // "billing provider NPI 1234567890: the check digit is wrong; ..."
};

std::vector<Finding> checkClaim(const model::ClaimValues& claim);

struct FindingCounts {
    int errors = 0;
    int warnings = 0;
};
FindingCounts countFindings(const std::vector<Finding>& findings);

// "error" or "warning", as the headless check prints it.
QString severityWord(Severity severity);

} // namespace cw::check
