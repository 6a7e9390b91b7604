#pragma once

// The recovery file of an unsaved claim: a short header, then the claim's lines as a claim file
// holds them, so restoring reads them through the claim file's own reader and gets every value
// back exactly. The header holds the document status and the window title, each on a line of
// its own, percent-encoded so that no file name can break the layout. The lines are UTF-8
// rather than the claim file's Windows-1252, so a character that a claim file cannot store
// still survives a crash.

#include "model/ClaimValues.h"
#include "model/DocumentStatus.h"
#include "platform/DiskVersion.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cw::recovery {

struct UnsavedClaim {
    model::ClaimValues values;
    // The modified flag is not kept: a recovered claim is always unsaved.
    model::DocumentStatus status;
    QString title;
    // What the claim file held when the claim was last opened or saved there, if known, so a
    // Save of the restored claim still notices someone else's save.
    std::optional<platform::DiskVersion> onDisk;
};

QByteArray recoveryFileBytes(const UnsavedClaim& claim);

// Refuses anything that is not a whole recovery file of this layout.
Result<UnsavedClaim> unsavedClaimFromBytes(const QByteArray& bytes);

} // namespace cw::recovery
