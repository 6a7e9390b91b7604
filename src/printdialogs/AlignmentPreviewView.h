#pragma once

// The printer-alignment dialog's live picture: the part of the pre-printed form where the band
// last stepped lies, with the sample text where the test print would put it with the step
// values shown. It draws through the print engine's geometry (printing/AlignmentPreview), so
// what it shows is what the printer does.

#include "printing/AlignmentPreview.h"
#include "printing/FormPicture.h"
#include "printing/PrintJobSettings.h"

#include <QImage>
#include <QWidget>

#include <map>

namespace cw::printdialogs {

class AlignmentPreviewView : public QWidget {
    Q_OBJECT

public:
    explicit AlignmentPreviewView(QWidget* parent = nullptr);

    // Draws the band's part of the page (digits 1 to 7) with these page offsets and the job
    // settings' field offsets and print font.
    void draw(int bandDigit, const printing::PageOffsets& pageOffsets,
              const printing::PrintJobSettings& settings);

    int bandDigit() const { return m_digit; }
    // What the band's part of the page is called, for the line above the picture.
    static QString areaName(int bandDigit);
    // The part of the sheet shown for the band, in points.
    static QRect areaPoints(int bandDigit);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& background(int bandDigit);

    printing::FormPictures m_formPictures;
    QImage m_sheet; // the form, whole; null until it is first needed or when it cannot be read
    bool m_sheetTried = false;
    std::map<int, QImage> m_backgrounds;
    int m_digit = 1;
    QImage m_picture;
};

} // namespace cw::printdialogs
