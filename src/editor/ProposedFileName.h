#pragma once

// The file name Save As proposes for a claim that has none yet, e.g.
// "Doe, Jane 2007-03 (March) Page 1.ub4".

#include <QString>

#include <functional>

namespace cw::editor {

struct ProposedNameInput {
    QString patientName; // edit6a
    QString serviceDate; // edit16d, service date of line 1
    QString periodFrom;  // edit4c, used when the service date is empty
    QString pageNumber;  // edit38k
};

// "2007-03 (March)" from a date typed as MMDDYY (only the first two and last two characters
// count); empty when they do not make a month and a year.
QString proposedDatePart(const QString& date);

// Empty when the patient name is empty. The page number rises while `exists` says a file of
// that name is already there.
QString proposeFileName(const ProposedNameInput& input,
                        const std::function<bool(const QString& fileName)>& exists);

} // namespace cw::editor
