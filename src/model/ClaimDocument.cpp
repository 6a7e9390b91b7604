#include "model/ClaimDocument.h"

#include <utility>

namespace cw::model {

ClaimDocument::ClaimDocument(QObject* parent)
    : QObject(parent) {}

void ClaimDocument::setValue(int index, const QString& text, ValueSource source) {
    QString& held = m_values[index];
    if (held == text)
        return;
    QString before = std::exchange(held, text);
    const bool caused = m_announcing > 0;
    ++m_announcing;
    emit valueReplaced({index, std::move(before), text, source, caused});
    emit valueChanged(index, text, source);
    --m_announcing;
    if (source == ValueSource::Typing)
        markModified();
}

void ClaimDocument::setValues(const ClaimValues& values, ValueSource source) {
    for (int i = 0; i < kFieldCount; ++i)
        setValue(i, values[i], source);
}

void ClaimDocument::setState(DocumentState state) {
    if (std::exchange(m_status.state, state) != state)
        emit statusChanged();
}

void ClaimDocument::setCurrentFileName(const QString& fileName) {
    if (std::exchange(m_status.currentFileName, fileName) != fileName)
        emit statusChanged();
}

void ClaimDocument::setSamePatient(bool samePatient) {
    if (std::exchange(m_status.samePatient, samePatient) != samePatient)
        emit statusChanged();
}

void ClaimDocument::recordTypedCharacter(int index) {
    static const int patientName = FieldCatalogue::indexOf(u"edit6a");
    const bool patientOrLine =
        index == patientName || FieldCatalogue::coordinates(index).isServiceLine();
    setModified(true, m_status.patientOrLinesTyped || patientOrLine);
}

void ClaimDocument::markModified() {
    setModified(true, m_status.patientOrLinesTyped);
}

void ClaimDocument::clearModified() {
    setModified(false, false);
}

// The one place the modified flag changes.
void ClaimDocument::setModified(bool modified, bool patientOrLinesTyped) {
    if (m_status.modified == modified && m_status.patientOrLinesTyped == patientOrLinesTyped)
        return;
    m_status.modified = modified;
    m_status.patientOrLinesTyped = patientOrLinesTyped;
    emit statusChanged();
}

} // namespace cw::model
