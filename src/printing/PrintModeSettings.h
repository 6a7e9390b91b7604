#pragma once

// The print mode: text only onto pre-printed forms ("regular"), or text with a picture of the
// form on plain paper ("linesandboxes") in black and white or colour. Held for the run over the
// two preference slots; the print-mode dialog's OK commits to it.

#include "prefs/Preferences.h"

#include <QString>

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
    // Both words from their slots, lower-cased. The preferences must outlive this.
    explicit PrintModeSettings(prefs::Preferences& preferences);

    const QString& mode() const { return m_mode; }
    const QString& pictureColour() const { return m_colour; }
    bool isTextOnly() const;
    bool isColourChosen() const;

    // A mode text that is neither word prints no picture.
    PictureKind pictureKind() const;

    // Both words in memory and in their slots.
    void commit(PrintModeChoice choice);

private:
    prefs::Preferences& m_preferences;
    QString m_mode;
    QString m_colour;
};

} // namespace cw::printing
