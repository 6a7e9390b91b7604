#include "model/ClaimHistory.h"

#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace cw::model {

namespace {

// Keeps one change per field: the first value before and the last after; a field back at its
// first value has no change left.
template <typename Changes>
void addChange(Changes& changes, const ValueChange& change) {
    const auto same = std::find_if(changes.begin(), changes.end(),
                                   [&](const auto& held) { return held.index == change.index; });
    if (same == changes.end()) {
        changes.push_back({change.index, change.before, change.after});
        return;
    }
    same->after = change.after;
    if (same->after == same->before)
        changes.erase(same);
}

} // namespace

ClaimHistory::ClaimHistory(ClaimDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_wasModified(document.status().modified) {
    if (!m_wasModified)
        m_saved = 0;
    connect(&document, &ClaimDocument::valueReplaced, this, &ClaimHistory::record);
    connect(&document, &ClaimDocument::statusChanged, this, &ClaimHistory::onStatusChanged);
}

bool ClaimHistory::canUndo() const {
    return m_undo.size() > 1 || (m_undo.size() == 1 && !m_undo.back().changes.empty());
}

void ClaimHistory::record(const ValueChange& change) {
    if (m_applying)
        return;
    if (change.caused) {
        if (m_recordingCaused && !m_undo.empty())
            addChange(m_undo.back().changes, change);
        return;
    }
    m_recordingCaused = change.source != ValueSource::Loading;
    if (!m_recordingCaused)
        return;
    const bool typed = change.source == ValueSource::Typing;
    const bool continuesBurst =
        typed && m_burstOpen && !m_undo.empty() && m_undo.back().typedField == change.index;
    if (!continuesBurst)
        startStep(typed ? change.index : -1);
    m_burstOpen = typed;
    addChange(m_undo.back().changes, change);
    emit availabilityChanged();
}

void ClaimHistory::startStep(int typedField) {
    dropEmptyLastStep();
    if (!m_redo.empty()) {
        m_redo.clear();
        // A saved state among the steps undone is out of reach now.
        if (m_saved && *m_saved > m_undo.size())
            m_saved.reset();
    }
    m_undo.push_back({{}, typedField});
}

void ClaimHistory::dropEmptyLastStep() {
    if (m_undo.empty() || !m_undo.back().changes.empty())
        return;
    m_undo.pop_back();
    // The claim before the empty step is the same claim.
    if (m_saved && *m_saved > m_undo.size())
        m_saved = m_undo.size();
}

std::optional<int> ClaimHistory::undo() {
    return takeStep(m_undo, m_redo, false);
}

std::optional<int> ClaimHistory::redo() {
    return takeStep(m_redo, m_undo, true);
}

std::optional<int> ClaimHistory::takeStep(std::vector<Step>& from, std::vector<Step>& to,
                                          bool forward) {
    m_burstOpen = false;
    dropEmptyLastStep();
    if (from.empty())
        return std::nullopt;
    to.push_back(std::move(from.back()));
    from.pop_back();
    apply(to.back(), forward);
    const int typedField = to.back().typedField;
    return typedField < 0 ? std::nullopt : std::optional(typedField);
}

void ClaimHistory::apply(const Step& step, bool forward) {
    {
        const QScopedValueRollback applying(m_applying, true);
        // One change per field and nothing following from them: the order does not matter.
        for (const Change& change : step.changes)
            m_document.setValue(change.index, forward ? change.after : change.before,
                                ValueSource::History);
    }
    followSavedState(step);
    emit availabilityChanged();
}

void ClaimHistory::followSavedState(const Step& step) {
    if (m_saved == m_undo.size()) {
        m_document.clearModified();
        return;
    }
    m_document.markModified();
    // As typing there would: a patient name or service line changed since the save makes Save
    // ask for the file name again.
    for (const Change& change : step.changes)
        m_document.recordTypedCharacter(change.index);
}

void ClaimHistory::onStatusChanged() {
    const bool modified = m_document.status().modified;
    if (std::exchange(m_wasModified, modified) && !modified) {
        m_saved = m_undo.size();
        // Typing on after a save is a new step, so undo can reach the saved claim.
        m_burstOpen = false;
    }
}

void ClaimHistory::clear() {
    m_undo.clear();
    m_redo.clear();
    m_burstOpen = false;
    m_saved.reset();
    if (!m_document.status().modified)
        m_saved = 0;
    emit availabilityChanged();
}

} // namespace cw::model
