#pragma once

// TfrmAdvancedAlignment: moves the printed text of one field, the one the user last clicked on
// the form, up to 10 points each way. The sliders only show what is pending; the save button
// writes it to the settings file and the run's field offsets, "Reset" empties them again. A
// small tool window made once, that stays on top and only hides when closed; it remembers where
// it was in the user's registry.

#include "platform/UserRegistry.h"
#include "platform/WindowPosition.h"
#include "printing/FieldOffsets.h"
#include "printing/FieldOffsetsFile.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QMenu;
class QSlider;
class QToolButton;

namespace cw::printdialogs {

class AdvancedAlignmentWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaxShift = 10; // points, either way
    // Where the window first appears, and stays when the registry cannot be read.
    static constexpr QPoint kDesignedPosition{673, 276};
    static constexpr QStringView kPositionKey = platform::kWindowPositionsKey;
    static constexpr QStringView kLeftValue = u"Advanced Alignment Box Left";
    static constexpr QStringView kTopValue = u"Advanced Alignment Box Top";

    // FormCreate: the window where it was last (inside the work area), on currentField. The
    // offsets are the run's, which every print job reads; they must outlive the window.
    AdvancedAlignmentWindow(printing::FieldOffsets& offsets, printing::FieldOffsetsFile file,
                            platform::UserRegistry registry, int currentField,
                            QWidget* parent = nullptr);
    // FormDestroy: remembers the window's position.
    ~AdvancedAlignmentWindow() override;

    // Makes the field current and shows its saved offsets; what was pending is dropped.
    void loadField(int catalogueIndex);

    int currentField() const { return m_field; }
    // The slider positions: up and right are positive.
    int pendingVertical() const;
    int pendingHorizontal() const;

    // The question before "Reset Alignment for All" (true for Yes) and how a failed save is
    // told; message boxes unless replaced (tests answer without a modal loop).
    void setResetAllQuestion(std::function<bool(const QString&)> ask) {
        m_askResetAll = std::move(ask);
    }
    void setErrorShower(std::function<void(const QString&)> show) { m_showError = std::move(show); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void trkVertChange(int position);
    void trkHorzChange(int position);
    void SpeedButton1Click();
    void LbResetClick(const QPoint& globalPosition);
    void ResetAlignmentforthisFieldOnly1Click();
    void ResetAlignmentforAll1Click();

private:
    void restorePosition();
    void setBlinkOn(bool on);

    printing::FieldOffsets& m_offsets;
    printing::FieldOffsetsFile m_file;
    platform::UserRegistry m_registry;
    int m_field = 0;
    QSlider* m_vertical;
    QSlider* m_horizontal;
    QLabel* m_verticalAmount;
    QLabel* m_horizontalAmount;
    QToolButton* m_save;
    QLabel* m_reset;
    QMenu* m_resetMenu;
    QTimer* m_blink;
    bool m_blinkOn = false;
    std::function<bool(const QString&)> m_askResetAll;
    std::function<void(const QString&)> m_showError;
};

} // namespace cw::printdialogs
