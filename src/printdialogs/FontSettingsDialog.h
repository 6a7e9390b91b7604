#pragma once

// TFontSettings: the size and weight of the printed text. Made once and hidden, never destroyed,
// by OK and Cancel; only OK commits to the print font settings.

#include "printdialogs/FixedDialog.h"
#include "printing/PrintFontSettings.h"

#include <optional>

class QCheckBox;
class QListWidget;

namespace cw::printdialogs {

class FontSettingsDialog : public FixedDialog {
    Q_OBJECT

public:
    // FormCreate: Bold as committed; the font itself was loaded with the preferences.
    explicit FontSettingsDialog(printing::PrintFontSettings& font, QWidget* parent = nullptr);

    // Shown without waiting, the controls back to the committed font.
    void formshow();

    // What the controls say now; no size when none of the listed sizes is selected.
    std::optional<int> selectedSize() const;
    bool isBoldTicked() const;

signals:
    void printFontCommitted();

private slots:
    void btnFontOKClick();
    void btnFontCancelClick();

private:
    printing::PrintFontSettings& m_font;
    QListWidget* m_sizes;
    QCheckBox* m_bold;
};

} // namespace cw::printdialogs
