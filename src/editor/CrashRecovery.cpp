#include "editor/CrashRecovery.h"

#include "editor/DocumentCommands.h"
#include "editor/UserDialogs.h"
#include "model/ClaimDocument.h"

#include <QWidget>

namespace cw::editor {

namespace {

// Typing that pauses this long is written.
constexpr int kPauseMs = 2000;
// Typing that goes on is written at least this often.
constexpr int kLongestMs = 30000;

} // namespace

CrashRecovery::CrashRecovery(Context context, recovery::RecoveryStore store, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_store(std::move(store))
    , m_writer(m_store.ownFile(), [this](const QString& reason) {
        emit writeFailed(
            tr("The unsaved claim could not be kept for recovery after a crash: %1").arg(reason));
    }) {
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(kLongestMs);
    connect(&m_pause, &QTimer::timeout, this, &CrashRecovery::writeNow);
    connect(&m_longest, &QTimer::timeout, this, &CrashRecovery::writeNow);
    connect(&m_context.document, &model::ClaimDocument::valueChanged, this,
            &CrashRecovery::documentChanged);
    connect(&m_context.document, &model::ClaimDocument::statusChanged, this,
            &CrashRecovery::documentChanged);
    // The title is kept too, and another program may set it.
    connect(&m_context.window, &QWidget::windowTitleChanged, this, &CrashRecovery::documentChanged);
}

CrashRecovery::~CrashRecovery() {
    // A claim that is still unsaved here was never offered for saving; its last state is
    // written, so it can be restored at the next start.
    if (m_context.document.status().modified)
        writeNow();
}

void CrashRecovery::documentChanged() {
    if (m_context.document.status().modified) {
        m_pause.start();
        if (!m_longest.isActive())
            m_longest.start();
        return;
    }
    m_pause.stop();
    m_longest.stop();
    if (std::exchange(m_fileWanted, false))
        m_writer.remove();
}

void CrashRecovery::writeNow() {
    m_pause.stop();
    m_longest.stop();
    if (!m_context.document.status().modified)
        return;
    m_writer.write(recovery::recoveryFileBytes(
        {m_context.document.values(), m_context.document.status(), m_context.window.windowTitle(),
         m_context.commands.lastKnownFileVersion()}));
    m_fileWanted = true;
}

void CrashRecovery::waitUntilWritten() {
    m_writer.waitUntilDone();
}

QString CrashRecovery::describe(const recovery::UnsavedClaim& claim) const {
    if (!claim.status.currentFileName.isEmpty())
        return claim.title;
    const QString patient = claim.values.value(u"edit6a").trimmed();
    return patient.isEmpty() ? tr("a new claim without a patient name") : patient;
}

void CrashRecovery::offerLeftClaims() {
    const recovery::LeftClaims left = m_store.findLeftClaims();
    if (!left.setAside.isEmpty())
        m_context.dialogs.showError(
            tr("Claimwright kept a claim that was not saved when it was closed, but the file "
               "cannot be read. It has been kept as:") +
            QStringLiteral("\n\n") + left.setAside.join(u'\n'));
    for (const recovery::LeftClaim& claim : left.readable) {
        const bool restore = m_context.dialogs.askYesNo(
            tr("Claimwright was closed while a claim had unsaved changes: %1. Restore it?")
                .arg(describe(claim.claim)));
        if (!restore) {
            m_store.removeLeftClaim(claim.path);
            continue;
        }
        // A claim restored before is offered for saving first; kept, this one waits for the
        // next start.
        if (!m_context.commands.askFirst())
            continue;
        m_context.commands.restoreUnsavedClaim(claim.claim.values, claim.claim.status,
                                               claim.claim.title, claim.claim.onDisk);
        // The file left behind becomes this copy's own, so the claim is on disk throughout.
        m_writer.waitUntilDone();
        if (m_store.adoptLeftClaim(claim.path))
            m_fileWanted = true;
        else
            writeNow();
    }
}

} // namespace cw::editor
