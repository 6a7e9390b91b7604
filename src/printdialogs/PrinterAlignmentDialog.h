#pragma once

// TFormPrinterAlignment: moves the printed text up or down by quarters of the page and left or
// right by thirds, one point a step, tries it with a test print of the sample claim and keeps
// it. Made once and hidden, never destroyed; only OK stores the seven values. The step values
// live in the hidden labels AlignLabel1 to AlignLabel7 while the dialog is open, and every
// control of a band is found by the band's digit, as the handlers below expect.

#include "printdialogs/FixedDialog.h"
#include "printing/PrintJobSettings.h"
#include "printing/PrinterAlignment.h"

#include <QTimer>

#include <functional>

class QLabel;
class QPushButton;

namespace cw::printdialogs {

class AlignmentPreviewView;
class BandFrame;

class PrinterAlignmentDialog : public FixedDialog {
    Q_OBJECT

public:
    // jobSettings loads the run's job settings; the preview takes the print font and the field
    // offsets from them. The preferences must outlive the dialog.
    PrinterAlignmentDialog(prefs::TypedPreferences& preferences,
                           std::function<printing::PrintJobSettings()> jobSettings,
                           QWidget* parent = nullptr);

    // Loads the stored values, forgets the test prints and shows the dialog without waiting.
    void init();

    // The step values shown.
    printing::AlignmentSteps steps() const;

    // How "It's Not Working" shows its message; a message box unless replaced (tests read it
    // without a modal loop).
    void setMessageShower(std::function<void(const QString&)> show) {
        m_showMessage = std::move(show);
    }

signals:
    // "Test Print (Text Only)": the sample claim is to be printed with steps(), uncommitted.
    void testPrintRequested();
    // "Advanced Alignment": the dialog has hidden itself; the field alignment is to be shown.
    void advancedAlignmentRequested();

protected:
    // However the dialog goes, a held step button stops repeating.
    void hideEvent(QHideEvent* event) override;

private slots:
    void Button1UpClick(QPushButton* button);
    void Button1UpMouseDown(QPushButton* button);
    void Button1UpMouseUp();
    void Timer1Timer();
    void Timer2Timer();
    void ButtonDefaultsClick();
    void Button15Click();
    void Button16Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    BandFrame* buildPanel(const QString& headingName, const QString& heading, const QRect& frame,
                          int parts, Qt::Orientation orientation);
    QPushButton* stepButton(int digit, const char* way, const QRect& geometry);
    void buildQuarters();
    void buildThirds();
    void buildBand(int digit, QWidget* area, QPushButton* minus, QPushButton* plus);
    void UpdateLabel(int digit);
    int stepValue(int digit) const;
    void setStepValue(int digit, int value);
    void redrawPreview();

    template <typename T>
    T* control(const QString& name) const;

    prefs::TypedPreferences& m_preferences;
    std::function<printing::PrintJobSettings()> m_jobSettings;
    std::function<void(const QString&)> m_showMessage;
    QTimer* m_timer1;
    QTimer* m_timer2;
    QPushButton* m_repeating = nullptr; // the step button held down
    int m_testPrints = 0;
    int m_previewBand = 1;
    BandFrame* m_quarterFrame = nullptr;
    BandFrame* m_thirdFrame = nullptr;
    QLabel* m_previewCaption = nullptr;
    AlignmentPreviewView* m_preview = nullptr;
    QPushButton* m_notWorking = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace cw::printdialogs
