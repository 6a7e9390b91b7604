#include "printing/PrintJobSettings.h"

#include "printing/PrintFontSettings.h"

namespace cw::printing {

PrintJobSettings loadPrintJobSettings(prefs::TypedPreferences& preferences,
                                      const FieldOffsets& fieldOffsets) {
    const PrintFontSettings font(preferences);
    return {computePageOffsets(preferences),
            fieldOffsets,
            {font.size(), font.isBold()},
            PrintModeSettings(preferences).pictureKind()};
}

} // namespace cw::printing
