#pragma once

// The print mode: text only onto pre-printed forms ("regular"), or text with a picture of the
// form on plain paper ("linesandboxes") in black and white or colour. Read from the two
// preference slots whenever it is asked; the print-mode dialog's OK commits to them.

#include "prefs/TypedPreferences.h"

namespace cw::printing {

enum class PictureKind {
    None,   // "textonly"
    Grey,   // "black"
    Colour, // "color"
};

struct PrintModeChoice {
    bool textOnly = true;
    bool colour = false; // kept while text only, where it has no effect
};

class PrintModeSettings {
public:
    // The preferences must outlive this.
    explicit PrintModeSettings(prefs::TypedPreferences& preferences);

    prefs::PrintMode mode() const;
    bool isTextOnly() const;
    bool isColourChosen() const;

    // A mode text that is neither word prints no picture.
    PictureKind pictureKind() const;

    // Both words into their slots.
    void commit(PrintModeChoice choice);

private:
    prefs::TypedPreferences& m_preferences;
};

} // namespace cw::printing
