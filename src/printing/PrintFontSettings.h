#pragma once

// The committed print font: the size and weight every print job uses, and which the field
// warnings read. It is read from the two preference slots whenever it is asked; the print-font
// dialog commits to it, which writes the slots.

#include "prefs/TypedPreferences.h"

#include <QString>

#include <optional>

namespace cw::printing {

class PrintFontSettings {
public:
    // Reads PRINTFONTSIZE and PRINTFONTBOLD_TRUE_OR_FALSE. The preferences must outlive this.
    explicit PrintFontSettings(prefs::TypedPreferences& preferences);

    // A PRINTFONTSIZE that is no positive whole number prints at the default rather than at 0.
    int size() const;
    bool isBold() const;
    // "true"/"false" as loaded, "True"/"False" after a commit.
    QString boldText() const;

    // The dialog's OK: a missing size keeps the committed one (and its preference slot).
    void commit(std::optional<int> size, bool bold);

private:
    prefs::TypedPreferences& m_preferences;
    bool m_committed = false;
};

} // namespace cw::printing
