#pragma once

// The claim's undo and redo history. It records every value the document replaces, in steps:
// a typing burst in one field is one step, together with the AutoFill copies and totals its
// keystrokes caused; any other change the program makes on its own is a step of its own.
// A burst ends when the field is left, another field is typed in, or undo or redo runs.
//
// Undo and redo put the recorded values back exactly, with ValueSource::History, so nothing
// is copied or summed again. The claim counts as modified after them unless it is back where
// it was when it was last saved (when the document last became unmodified).
//
// Loaded values are not recorded: whoever replaces the claim clears the history.

#include "model/ClaimDocument.h"

#include <QObject>

#include <optional>
#include <vector>

namespace cw::model {

class ClaimHistory : public QObject {
    Q_OBJECT

public:
    // The document must outlive the history.
    explicit ClaimHistory(ClaimDocument& document, QObject* parent = nullptr);

    bool canUndo() const;
    bool canRedo() const { return !m_redo.empty(); }
    // Each returns the field the step was typed in, if it was typed; nothing when there was
    // no step.
    std::optional<int> undo();
    std::optional<int> redo();

    void endTypingBurst() { m_burstOpen = false; }
    // The claim was replaced: nothing before it can be undone.
    void clear();

signals:
    // canUndo or canRedo may have changed.
    void availabilityChanged();

private:
    struct Change {
        int index;
        QString before;
        QString after;
    };
    struct Step {
        std::vector<Change> changes; // at most one per field
        int typedField = -1;         // -1: the program's own step
    };

    void record(const ValueChange& change);
    void startStep(int typedField);
    // A burst typed back to where it began leaves an empty step; it is dropped before the
    // next one starts and before an undo.
    void dropEmptyLastStep();
    // Moves the last step of from to to, undoing it or doing it again.
    std::optional<int> takeStep(std::vector<Step>& from, std::vector<Step>& to, bool forward);
    void apply(const Step& step, bool forward);
    void followSavedState(const Step& step);
    void onStatusChanged();

    ClaimDocument& m_document;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    bool m_burstOpen = false;
    bool m_recordingCaused = false; // the change being announced opened or joined a step
    bool m_applying = false;
    bool m_wasModified = false;
    // How many steps were done when the claim was last saved; nothing when no undo or redo
    // can lead back there.
    std::optional<std::size_t> m_saved;
};

} // namespace cw::model
