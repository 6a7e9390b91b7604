#pragma once

// The committed print font: the size and weight every print job uses, and which the field
// warnings read. It lives for the run over the preferences array; the print-font dialog commits
// to it, which also writes the two preference slots.

#include "prefs/Preferences.h"

#include <QString>

#include <optional>

namespace cw::printing {

class PrintFontSettings {
public:
    // Loads from PRINTFONTSIZE and PRINTFONTBOLD_TRUE_OR_FALSE. The preferences must outlive this.
    explicit PrintFontSettings(prefs::Preferences& preferences);

    int size() const { return m_size; }
    bool isBold() const;
    // "true"/"false" as loaded, "True"/"False" after a commit.
    const QString& boldText() const { return m_bold; }

    // The dialog's OK: a missing size keeps the committed one (and its preference slot).
    void commit(std::optional<int> size, bool bold);

private:
    prefs::Preferences& m_preferences;
    int m_size;
    QString m_bold;
};

} // namespace cw::printing
