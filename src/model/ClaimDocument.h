#pragma once

// The claim being edited: the 509 values and the document status. Everything that works on the
// claim (the field editors and caption labels, AutoFill, the totals, the document commands,
// printing, the exports) reads it here and changes it through setValue, which says where each
// change came from; the signals tell the views.

#include "model/ClaimValues.h"
#include "model/DocumentStatus.h"

#include <QObject>
#include <QString>

namespace cw::model {

enum class ValueSource {
    Typing,  // the user's own change in a field: the claim is modified
    Program, // AutoFill, the totals, the New commands, the provider template
    Loading, // a claim file read in
    History, // undo and redo putting values back as they were: nothing follows from them
};

// One value replaced. A change made while another one is being announced (AutoFill copies and
// totals following a keystroke) is caused by it.
struct ValueChange {
    int index;
    QString before;
    QString after;
    ValueSource source;
    bool caused;
};

class ClaimDocument : public QObject {
    Q_OBJECT

public:
    explicit ClaimDocument(QObject* parent = nullptr);

    const QString& value(int index) const { return m_values[index]; }
    const ClaimValues& values() const { return m_values; }
    // Setting the text a field already holds is no change and says nothing.
    void setValue(int index, const QString& text, ValueSource source);
    void setValues(const ClaimValues& values, ValueSource source);

    const DocumentStatus& status() const { return m_status; }
    void setState(DocumentState state);
    void setCurrentFileName(const QString& fileName);
    void setSamePatient(bool samePatient);
    // A character typed into a field (a printable one, or a paste): the claim is modified, and
    // typed into the patient name or a service line, the patient or the lines count as typed.
    void recordTypedCharacter(int index);
    // Cancel in a save-changes prompt keeps the claim modified.
    void markModified();
    // Loading, saving, the New commands and the prompts' No: the two typing flags clear.
    void clearModified();

signals:
    // Before valueChanged, so the change is known before the changes it causes.
    void valueReplaced(const model::ValueChange& change);
    void valueChanged(int index, const QString& text, model::ValueSource source);
    void statusChanged();

private:
    void setModified(bool modified, bool patientOrLinesTyped);

    ClaimValues m_values;
    DocumentStatus m_status;
    int m_announcing = 0; // changes being announced, one inside another
};

} // namespace cw::model
