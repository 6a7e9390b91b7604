#pragma once

// What is known about the claim document as a whole, apart from its values.

#include <QString>

namespace cw::model {

enum class DocumentState { New, Open, SaveAs };

struct DocumentStatus {
    DocumentState state = DocumentState::New;
    QString currentFileName; // full path; set by a load or a confirmed Save As, never cleared
    bool modified = false;
    bool patientOrLinesTyped = false; // typing into the patient name or a service line
    bool samePatient = false;         // the claim was started with New > Form for Current Patient
};

} // namespace cw::model
