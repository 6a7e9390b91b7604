#include "check/ClaimCheck.h"

#include <algorithm>

namespace cw::check {

std::vector<Finding> checkClaim(const model::ClaimValues& claim) {
    struct Found {
        int locatorNumber;
        Finding finding;
    };
    std::vector<Found> found;
    for (const Rule& rule : claimRules()) {
        for (const RuleField& field : rule.fields) {
            const std::optional<QString> fault = rule.test(claim, field);
            if (!fault)
                continue;
            const QStringView value = QStringView(claim[field.field]).trimmed();
            QString message = field.name;
            if (!value.isEmpty())
                message += u' ' + value.toString();
            message += QStringLiteral(": ") + *fault;
            found.push_back({field.locatorNumber,
                             {rule.severity, field.locator, field.field, std::move(message)}});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.locatorNumber < b.locatorNumber;
    });
    std::vector<Finding> findings;
    findings.reserve(found.size());
    for (Found& f : found)
        findings.push_back(std::move(f.finding));
    return findings;
}

FindingCounts countFindings(const std::vector<Finding>& findings) {
    FindingCounts counts;
    for (const Finding& f : findings)
        ++(f.severity == Severity::Error ? counts.errors : counts.warnings);
    return counts;
}

QString severityWord(Severity severity) {
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

} // namespace cw::check
