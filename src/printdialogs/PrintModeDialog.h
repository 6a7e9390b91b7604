#pragma once

// TFormPrintMode: where the user picks the print mode, text only or text with a black-and-white
// or colour picture of the form, with a preview and a description of each. Made once and
// hidden, never destroyed, by OK and Cancel; only OK commits.

#include "printdialogs/FixedDialog.h"
#include "printing/PrintModeSettings.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace cw::printdialogs {

class PrintModeDialog : public FixedDialog {
    Q_OBJECT

public:
    // FormCreate: the controls from the committed print mode.
    explicit PrintModeDialog(printing::PrintModeSettings& settings, QWidget* parent = nullptr);

    // Before a print: the controls back to the committed mode, then shown modally.
    DialogCode formshowmodal();
    // From the menu: shown without waiting, the controls as the user last left them.
    void formshow();

    // What the controls say now.
    printing::PrintModeChoice selection() const;

    // The preview and description that belong to the controls' state.
    void refreshUserInterface();

signals:
    void printModeCommitted();

private slots:
    void btnPrintModeOKClick();
    void btnPrintModeCancelClick();

private:
    void setControlsFromPrintMode();

    printing::PrintModeSettings& m_settings;
    QRadioButton* m_optionRegular;
    QRadioButton* m_optionLinesAndBoxes;
    QCheckBox* m_checkBoxColor;
    QLabel* m_imageLinesAndBoxes;
    QLabel* m_imageLinesAndBoxesColor;
    QLabel* m_labelRegular;
    QLabel* m_labelLinesAndBoxes;
    QLabel* m_labelLinesAndBoxesColor;
};

} // namespace cw::printdialogs
