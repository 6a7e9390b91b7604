#pragma once

// What the editor knows about the claim document as a whole, apart from its values.

#include <QString>

namespace cw::model {

enum class DocumentState { New, Open, SaveAs };

// "new", "open" or "saveas".
QString documentStateText(DocumentState state);

struct DocumentStatus {
    DocumentState state = DocumentState::New;
    QString currentFileName; // full path; set by a load or a confirmed Save As, never cleared
    bool modified = false;
    bool patientOrLinesTyped = false; // typing into the patient name or a service line
    bool samePatient = false;         // the claim was started with New > Form for Current Patient

    // The two typing flags always clear together.
    void clearModified() {
        modified = false;
        patientOrLinesTyped = false;
    }
};

} // namespace cw::model
