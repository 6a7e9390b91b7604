#include "printdialogs/AlignmentPreviewView.h"

#include <QPainter>

namespace cw::printdialogs {

namespace {

// One and a half pixels a point: a step of the alignment is plain to see, and the text is
// still the size of print.
constexpr int kPixelsPerInch = 108;
constexpr int kWidthPoints = 268;
constexpr int kHeightPoints = 112;

struct Area {
    int digit;
    int left;
    int top;
    const char* name;
};

// Each band's part of the page, around the place where its value applies fully: the quarters
// down the left edge, the thirds across the service lines.
constexpr Area kAreas[] = {
    {1, 0, 10, QT_TRANSLATE_NOOP("AlignmentPreviewView", "first quarter, top left")},
    {2, 0, 236, QT_TRANSLATE_NOOP("AlignmentPreviewView", "second quarter, service lines")},
    {3, 0, 430, QT_TRANSLATE_NOOP("AlignmentPreviewView", "third quarter, totals and payers")},
    {7, 0, 622, QT_TRANSLATE_NOOP("AlignmentPreviewView", "fourth quarter, bottom left")},
    {4, 0, 205, QT_TRANSLATE_NOOP("AlignmentPreviewView", "left third, service lines")},
    {5, 172, 205, QT_TRANSLATE_NOOP("AlignmentPreviewView", "middle third, service lines")},
    {6, 344, 205, QT_TRANSLATE_NOOP("AlignmentPreviewView", "right third, service lines")},
};

const Area& areaOf(int digit) {
    for (const Area& area : kAreas)
        if (area.digit == digit)
            return area;
    return kAreas[0];
}

printing::PreviewArea previewArea(int digit) {
    return {AlignmentPreviewView::areaPoints(digit), kPixelsPerInch};
}

} // namespace

AlignmentPreviewView::AlignmentPreviewView(QWidget* parent)
    : QWidget(parent) {
    setFixedSize(previewArea(1).pixelSize());
}

QString AlignmentPreviewView::areaName(int bandDigit) {
    return tr(areaOf(bandDigit).name);
}

QRect AlignmentPreviewView::areaPoints(int bandDigit) {
    const Area& area = areaOf(bandDigit);
    return {area.left, area.top, kWidthPoints, kHeightPoints};
}

const QImage& AlignmentPreviewView::background(int bandDigit) {
    if (!m_sheetTried) {
        m_sheetTried = true;
        // The form as it lies on the paper: the picture unbent. Without it the text still
        // shows, on white.
        const Result<QImage> sheet =
            m_formPictures.picture(printing::PictureKind::Colour, printing::PageOffsets());
        if (sheet)
            m_sheet = *sheet;
    }
    auto found = m_backgrounds.find(bandDigit);
    if (found == m_backgrounds.end())
        found =
            m_backgrounds.emplace(bandDigit, printing::formInArea(previewArea(bandDigit), m_sheet))
                .first;
    return found->second;
}

void AlignmentPreviewView::draw(int bandDigit, const printing::PageOffsets& pageOffsets,
                                const printing::PrintJobSettings& settings) {
    m_digit = areaOf(bandDigit).digit;
    m_picture = printing::sampleTextInArea(previewArea(m_digit), background(m_digit), pageOffsets,
                                           settings);
    update();
}

void AlignmentPreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_picture.isNull())
        painter.drawImage(QPoint(0, 0), m_picture);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace cw::printdialogs
