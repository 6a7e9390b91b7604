#pragma once

// Everything a print job reads besides its texts, as plain values: the page offsets from the
// seven printer-alignment values, the per-field offsets, the print font and the picture the
// print mode asks for. One loader builds them from the preferences, for the editor's Print and
// Print Preview and for printing from the command line alike.

#include "platform/Result.h"
#include "prefs/TypedPreferences.h"
#include "printing/FieldOffsets.h"
#include "printing/PageOffsets.h"
#include "printing/PrintModeSettings.h"

namespace cw::printing {

struct PrintFont {
    int size = 8; // points
    bool bold = false;
};

struct PrintJobSettings {
    // An alignment value that is not a whole number stops the job, naming its key.
    Result<PageOffsets> pageOffsets = PageOffsets{};
    FieldOffsets fieldOffsets;
    PrintFont font;
    PictureKind picture = PictureKind::None;
};

// The committed print mode, print font and printer alignment, with the run's field offsets.
PrintJobSettings loadPrintJobSettings(prefs::TypedPreferences& preferences,
                                      const FieldOffsets& fieldOffsets);

} // namespace cw::printing
