#pragma once

// The table of rules the claim check runs: for each rule the form locators and fields it looks
// at, how serious a fault is, and the test that words the fault for a clerk. The rules are the
// mistakes that get a paper UB-04 sent back by any payer; payer-specific rules stay out.

#include "model/ClaimValues.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace cw::check {

enum class Severity {
    Error,   // a payer will reject the claim
    Warning, // worth a look
};

// One field a rule looks at, named as the form names it.
struct RuleField {
    QString locator;   // "FL 56"
    int locatorNumber; // orders the findings as the form reads
    int field;         // catalogue index
    int line;          // service line 1 to 23; 0 outside the service lines
    QString name;      // "billing provider NPI", "line 3 service date"
};

// What is wrong with the field, worded for the clerk, or nothing when it passes.
using FieldTest = std::optional<QString> (*)(const model::ClaimValues& claim,
                                             const RuleField& field);

struct Rule {
    Severity severity;
    std::vector<RuleField> fields;
    FieldTest test;
};

std::span<const Rule> claimRules();

} // namespace cw::check
