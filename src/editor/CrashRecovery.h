#pragma once

// Keeps the unsaved claim in this copy's recovery file, so that a crash, a killed session or a
// power cut does not cost the typing, and offers at start what copies that ended that way left
// behind. The claim is written a few seconds after the typing pauses and at least every 30
// seconds while it goes on; it is made into bytes on the interface thread, the disk's part is
// the RecoveryWriter's. The file goes as soon as the claim is no longer unsaved (saved,
// discarded at the save-changes prompt, replaced); a window that ends with its claim unsaved
// without having been asked (the session ends) keeps it.

#include "recovery/RecoveryStore.h"
#include "recovery/RecoveryWriter.h"

#include <QObject>
#include <QTimer>

class QWidget;

namespace cw::model {
class ClaimDocument;
}

namespace cw::editor {

class DocumentCommands;
class UserDialogs;

class CrashRecovery : public QObject {
    Q_OBJECT

public:
    struct Context {
        model::ClaimDocument& document;
        DocumentCommands& commands;
        UserDialogs& dialogs;
        // Its title is kept with the claim.
        const QWidget& window;
    };

    CrashRecovery(Context context, recovery::RecoveryStore store, QObject* parent = nullptr);
    // Waits for the file's last write or removal.
    ~CrashRecovery() override;

    // Asks about each claim a copy that no longer runs left unsaved: Yes restores it, No
    // deletes its file. Files that cannot be read are set aside and reported.
    void offerLeftClaims();

    QString recoveryFile() const { return m_store.ownFile(); }
    // Returns once the file is as the last change of the claim asks; for tests.
    void waitUntilWritten();

signals:
    // Emitted from the writer's thread.
    void writeFailed(const QString& message);

private:
    void documentChanged();
    void writeNow();
    QString describe(const recovery::UnsavedClaim& claim) const;

    Context m_context;
    recovery::RecoveryStore m_store;
    QTimer m_pause;
    QTimer m_longest;
    // A write was asked for since the file was last removed.
    bool m_fileWanted = false;
    recovery::RecoveryWriter m_writer;
};

} // namespace cw::editor
