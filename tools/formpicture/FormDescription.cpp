#include "FormDescription.h"

#include <array>
#include <initializer_list>

namespace cw::formpicture {

namespace {

// Outer frame of the form.
constexpr double kLeft = 10.5;
constexpr double kRight = 604.0;
constexpr double kTop = 13.0;
constexpr double kBottom = 774.0;

// Rules between the bands of boxes, top to bottom.
constexpr double kBand1Bottom = 61.0;   // FL 1-7
constexpr double kBand2Bottom = 84.0;   // FL 8-9
constexpr double kBand3Bottom = 108.0;  // FL 10-30
constexpr double kBand4Bottom = 145.0;  // FL 31-37
constexpr double kBand5Bottom = 205.5;  // FL 38-41
constexpr double kLinesTop = 217.0;     // under the FL 42-49 titles
constexpr double kLinesBottom = 495.0;  // under service line 23
constexpr double kPayersBottom = 543.0; // FL 50-57
constexpr double kInsuredBottom = 592.0;
constexpr double kAuthorizationBottom = 641.0;
constexpr double kDiagnosesBottom = 665.0;
constexpr double kReasonsBottom = 677.0;
constexpr double kProceduresBottom = 725.0;

// Centre lines of the service lines 1 to 23, as printed.
constexpr std::array<double, 23> kServiceLineY = {223, 235, 247, 259, 271, 283, 295, 307,
                                                  319, 331, 343, 355, 367, 379, 391, 404,
                                                  416, 428, 440, 452, 464, 476, 489};

class FormBuilder {
public:
    void hrule(double y, double x0, double x1, RuleWeight weight = RuleWeight::Thin) {
        m_form.rules.push_back({{x0, y}, {x1, y}, weight, false});
    }
    void vrule(double x, double y0, double y1, RuleWeight weight = RuleWeight::Thin) {
        m_form.rules.push_back({{x, y0}, {x, y1}, weight, false});
    }
    // A divider between fields that overlap on the screen picture.
    void vdivider(double x, double y0, double y1) {
        m_form.rules.push_back({{x, y0}, {x, y1}, RuleWeight::Hairline, true});
    }
    void shade(double x0, double y0, double x1, double y1) {
        m_form.shades.push_back(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    }
    // A caption fitted into the box from (x0, y0) to (x1, y1).
    void caption(double x0, double y0, double x1, double y1, const QString& text,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, double size = 4.6) {
        m_form.captions.push_back(
            {QRectF(QPointF(x0, y0), QPointF(x1, y1)), text, size, TypeStyle::Caption, alignment});
    }
    void number(double x0, double y0, double x1, double y1, const QString& text,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, double size = 5.0) {
        m_form.captions.push_back(
            {QRectF(QPointF(x0, y0), QPointF(x1, y1)), text, size, TypeStyle::Number, alignment});
    }
    void paperNumber(double x0, double y0, double x1, double y1, const QString& text) {
        m_form.captions.push_back({QRectF(QPointF(x0, y0), QPointF(x1, y1)), text, 4.4,
                                   TypeStyle::Number, Qt::AlignHCenter | Qt::AlignVCenter, true});
    }
    void screenShift(const QRectF& region, double dx) {
        m_form.screenShifts.push_back({region, dx});
    }

    FormDescription take() { return std::move(m_form); }

private:
    FormDescription m_form;
};

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kMiddleLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kMiddleCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kMiddleRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kTopCentre = Qt::AlignHCenter | Qt::AlignTop;

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

// FL 1-7: provider, pay-to, control numbers, bill type, tax number, period.
// A band of column titles: each column's form-locator number, then its caption.
struct TitledColumn {
    double x0, x1;
    const char* number;
    const char* title;
};

void addColumnTitles(FormBuilder& b, std::initializer_list<TitledColumn> columns, double top,
                     double bottom) {
    for (const TitledColumn& c : columns) {
        b.number(c.x0 + 1.0, top, c.x0 + 7.0, bottom, text(c.number), kMiddleLeft);
        b.caption(c.x0 + 7.2, top, c.x1 - 0.8, bottom, text(c.title), kMiddleLeft);
    }
}

void addProviderBand(FormBuilder& b) {
    b.vrule(189.3, kTop, kBand1Bottom);
    b.vrule(367.0, kTop, kBand1Bottom);
    b.vrule(560.2, kTop, 37.0);
    b.hrule(37.0, 367.0, kRight);
    b.vrule(442.5, 37.0, kBand1Bottom);
    b.vrule(546.2, 37.0, kBand1Bottom, RuleWeight::Hairline);
    b.vrule(494.5, 44.0, kBand1Bottom, RuleWeight::Hairline);
    b.hrule(kBand1Bottom, kLeft, kRight);

    b.number(11.4, 13.8, 14.4, 19.0, text("1"));
    b.number(190.3, 13.8, 193.5, 19.0, text("2"));
    b.number(368.2, 15.5, 372.6, 24.5, text("3a"), kMiddleLeft);
    b.caption(373.0, 15.5, 394.6, 24.5, text("PAT. CNTL #"), kMiddleLeft);
    b.number(368.2, 26.5, 372.6, 35.5, text("b"), kMiddleLeft);
    b.caption(373.0, 26.5, 394.6, 35.5, text("MED. REC. #"), kMiddleLeft);
    b.number(561.2, 13.8, 566.0, 19.0, text("4"));
    b.caption(566.0, 13.8, 602.5, 19.0, text("TYPE OF BILL"));

    b.number(368.0, 37.8, 372.4, 43.0, text("5"));
    b.caption(372.6, 37.8, 441.0, 43.0, text("FED. TAX NO."));
    b.number(443.5, 37.8, 447.9, 43.0, text("6"));
    b.caption(448.0, 37.8, 545.0, 43.0, text("STATEMENT COVERS PERIOD"), kTopCentre);
    b.caption(443.5, 44.0, 493.5, 49.0, text("FROM"), kTopCentre);
    b.caption(495.5, 44.0, 545.0, 49.0, text("THROUGH"), kTopCentre);
    b.number(546.9, 37.8, 549.7, 43.0, text("7"), kTopLeft, 4.4);
}

// FL 8-9: patient name and address.
void addPatientBand(FormBuilder& b) {
    b.vrule(228.9, kBand1Bottom, kBand2Bottom);
    b.hrule(72.5, kLeft, kRight, RuleWeight::Hairline);
    b.vrule(461.4, 72.5, kBand2Bottom, RuleWeight::Hairline);
    b.vrule(499.0, 72.5, kBand2Bottom, RuleWeight::Hairline);
    b.vrule(574.0, 72.5, kBand2Bottom, RuleWeight::Hairline);
    b.hrule(kBand2Bottom, kLeft, kRight);

    b.number(11.4, 62.0, 15.8, 72.0, text("8"), kMiddleLeft);
    b.caption(16.2, 62.0, 84.0, 72.0, text("PATIENT NAME"), kMiddleLeft);
    b.number(86.5, 62.0, 91.5, 72.0, text("a"), kMiddleLeft, 4.6);
    b.number(12.0, 73.0, 17.0, 83.0, text("b"), kMiddleLeft, 4.6);
    b.number(229.8, 62.0, 234.2, 72.0, text("9"), kMiddleLeft);
    b.caption(234.6, 62.0, 300.0, 72.0, text("PATIENT ADDRESS"), kMiddleLeft);
    b.number(301.5, 62.0, 306.5, 72.0, text("a"), kMiddleLeft, 4.6);
    b.number(230.0, 73.0, 235.0, 83.0, text("b"), kMiddleLeft, 4.6);
    b.number(462.2, 73.0, 466.0, 83.0, text("c"), kMiddleLeft, 4.6);
    b.number(499.6, 73.0, 502.6, 83.0, text("d"), kMiddleLeft, 4.0);
    b.number(575.0, 73.0, 579.5, 83.0, text("e"), kMiddleLeft, 4.6);
}

// FL 10-30: birth date, sex, admission, condition codes, accident state. The screen picture
// placed this row of boxes a little to the right of the paper form; it is drawn shifted.
void addAdmissionBand(FormBuilder& b) {
    b.screenShift(QRectF(QPointF(20.0, kBand2Bottom + 0.1), QPointF(590.0, kBand3Bottom - 0.1)),
                  2.5);
    constexpr double kTier = 89.8; // under the group titles ADMISSION and CONDITION CODES
    b.vrule(73.7, kBand2Bottom, kBand3Bottom);
    b.vrule(92.7, kBand2Bottom, kBand3Bottom);
    for (const double x : {139.3, 159.3, 181.5})
        b.vrule(x, kTier, kBand3Bottom);
    b.vrule(203.0, kBand2Bottom, kBand3Bottom);
    b.vrule(224.3, kBand2Bottom, kBand3Bottom);
    b.vrule(247.0, kBand2Bottom, kBand3Bottom, RuleWeight::Hairline);
    for (const double x : {269.0, 290.6, 312.3, 334.0, 356.1, 398.0, 420.0, 441.6, 463.4})
        b.vrule(x, kTier, kBand3Bottom, RuleWeight::Hairline);
    b.vdivider(377.4, kTier, kBand3Bottom);
    b.vrule(485.6, kBand2Bottom, kBand3Bottom, RuleWeight::Hairline);
    b.vrule(510.3, kBand2Bottom, kBand3Bottom);
    b.hrule(kBand3Bottom, kLeft, kRight);

    b.number(11.4, 85.0, 17.0, 95.0, text("10"), kMiddleLeft);
    b.caption(17.4, 85.0, 73.0, 95.0, text("BIRTHDATE"), kMiddleLeft);
    b.number(74.5, 85.0, 80.0, 95.0, text("11"), kMiddleLeft);
    b.caption(80.2, 85.0, 92.0, 95.0, text("SEX"), kMiddleLeft);
    b.caption(93.5, 84.6, 202.2, 89.4, text("ADMISSION"), kTopCentre);
    struct Titled {
        double x0, x1;
        const char* number;
        const char* title;
    };
    const Titled admission[] = {{92.7, 139.3, "12", "DATE"},  {139.3, 159.3, "13", "HR"},
                                {159.3, 181.5, "14", "TYPE"}, {181.5, 203.0, "15", "SRC"},
                                {203.0, 224.3, "16", "DHR"},  {224.3, 247.0, "17", "STAT"}};
    for (const Titled& t : admission) {
        b.number(t.x0 + 0.9, 89.9, t.x0 + 6.3, 95.5, text(t.number), kMiddleLeft);
        b.caption(t.x0 + 6.5, 89.9, t.x1 - 0.7, 95.5, text(t.title), kMiddleLeft);
    }
    b.caption(248.0, 84.6, 484.6, 89.4, text("CONDITION CODES"), kTopCentre);
    const std::array<double, 12> codeEdges = {247.0, 269.0, 290.6, 312.3, 334.0, 356.1,
                                              377.4, 398.0, 420.0, 441.6, 463.4, 485.6};
    for (std::size_t i = 0; i + 1 < codeEdges.size(); ++i) {
        b.number(codeEdges[i], 89.9, codeEdges[i + 1], 95.5, QString::number(18 + int(i)),
                 kMiddleCentre);
    }
    b.number(486.5, 85.0, 492.0, 95.0, text("29"), kMiddleLeft);
    b.caption(492.2, 84.8, 509.6, 89.8, text("ACDT"), kTopLeft, 4.2);
    b.caption(492.2, 89.9, 509.6, 95.2, text("STATE"), kTopLeft, 4.2);
    b.number(511.2, 84.8, 516.2, 89.8, text("30"), kTopLeft, 4.4);
}

// FL 31-37: occurrence codes and spans, lines a and b.
void addOccurrenceBand(FormBuilder& b) {
    constexpr double kTitleBottom = 120.3;
    constexpr double kTier = 114.2;
    b.hrule(kTitleBottom, kLeft, kRight, RuleWeight::Hairline);
    b.hrule(132.5, kLeft, kRight, RuleWeight::Hairline);
    for (const double x : {83.8, 156.2, 228.5, 299.4, 422.9, 545.3})
        b.vrule(x, kBand3Bottom, kBand4Bottom);
    for (const double x : {32.3, 104.0, 175.7, 248.2, 319.7, 371.9, 442.5, 494.7})
        b.vrule(x, kTier, kBand4Bottom, RuleWeight::Hairline);
    b.hrule(kBand4Bottom, kLeft, kRight);

    struct Occurrence {
        double x0, split, x1;
        const char* number;
    };
    const Occurrence codes[] = {{kLeft, 32.3, 83.8, "31"},
                                {83.8, 104.0, 156.2, "32"},
                                {156.2, 175.7, 228.5, "33"},
                                {228.5, 248.2, 299.4, "34"}};
    for (const Occurrence& o : codes) {
        b.number(o.x0 + 0.9, 108.8, o.x0 + 6.5, 113.8, text(o.number));
        b.caption(o.x0 + 6.7, 108.8, o.x1 - 1.0, 113.8, text("OCCURRENCE"), kTopCentre);
        b.caption(o.x0 + 0.8, 114.6, o.split - 0.6, 119.8, text("CODE"), kTopCentre);
        b.caption(o.split + 0.6, 114.6, o.x1 - 0.8, 119.8, text("DATE"), kTopCentre);
    }
    struct Span {
        double x0, code, from, x1;
        const char* number;
    };
    const Span spans[] = {{299.4, 319.7, 371.9, 422.9, "35"}, {422.9, 442.5, 494.7, 545.3, "36"}};
    for (const Span& s : spans) {
        b.number(s.x0 + 0.9, 108.8, s.x0 + 6.5, 113.8, text(s.number));
        b.caption(s.x0 + 6.7, 108.8, s.x1 - 1.0, 113.8, text("OCCURRENCE SPAN"), kTopCentre);
        b.caption(s.x0 + 0.8, 114.6, s.code - 0.6, 119.8, text("CODE"), kTopCentre);
        b.caption(s.code + 0.6, 114.6, s.from - 0.6, 119.8, text("FROM"), kTopCentre);
        b.caption(s.from + 0.6, 114.6, s.x1 - 0.8, 119.8, text("THROUGH"), kTopCentre);
    }
    b.number(546.2, 108.8, 552.0, 113.8, text("37"));
}

// FL 38-41: responsible party and value codes a-d.
void addValueCodeBand(FormBuilder& b) {
    constexpr double kSplit = 310.4;
    constexpr double kTitleBottom = 157.0;
    constexpr double kTier = 151.2;
    b.vrule(kSplit, kBand4Bottom, kBand5Bottom);
    b.hrule(kTitleBottom, kSplit, kRight, RuleWeight::Hairline);
    for (const double y : {169.0, 181.0, 193.0})
        b.hrule(y, kSplit, kRight, RuleWeight::Hairline);
    b.vrule(414.1, kBand4Bottom, kBand5Bottom);
    b.vrule(507.2, kBand4Bottom, kBand5Bottom);
    for (const double x : {344.6, 437.7, 532.5})
        b.vdivider(x, kTier, kBand5Bottom);
    for (const double x : {398.8, 492.4, 585.7})
        b.vrule(x, kTitleBottom, kBand5Bottom, RuleWeight::Hairline);
    b.hrule(kBand5Bottom, kLeft, kRight);

    b.number(11.4, 145.8, 17.0, 150.8, text("38"));
    struct ValueCodes {
        double x0, split, x1;
        const char* number;
    };
    const ValueCodes codes[] = {
        {kSplit, 344.6, 414.1, "39"}, {414.1, 437.7, 507.2, "40"}, {507.2, 532.5, kRight, "41"}};
    for (const ValueCodes& v : codes) {
        b.number(v.x0 + 0.9, 145.8, v.x0 + 6.5, 150.8, text(v.number));
        b.caption(v.x0 + 6.7, 145.8, v.x1 - 1.0, 150.8, text("VALUE CODES"), kTopCentre);
        b.caption(v.x0 + 0.8, 151.4, v.split - 0.6, 156.6, text("CODE"), kTopCentre);
        b.caption(v.split + 0.6, 151.4, v.x1 - 0.8, 156.6, text("AMOUNT"), kTopCentre);
    }
    const char* letters[] = {"a", "b", "c", "d"};
    for (int row = 0; row < 4; ++row) {
        const double y = 163.0 + 12.0 * row;
        b.number(311.4, y - 5.0, 315.6, y + 5.0, text(letters[row]), kMiddleLeft, 4.6);
    }
}

// FL 42-49: the column titles and the 23 service lines.
void addServiceLines(FormBuilder& b) {
    const std::array<double, 9> columns = {44.6,  219.3, 330.5, 383.1, 439.4,
                                           495.4, 511.2, 565.4, 581.5};
    for (std::size_t line = 1; line < kServiceLineY.size(); line += 2) {
        const double top = (kServiceLineY[line - 1] + kServiceLineY[line]) / 2;
        const double bottom = (kServiceLineY[line] + kServiceLineY[line + 1]) / 2;
        b.shade(kLeft, top, kRight, bottom);
    }
    b.hrule(kLinesTop, kLeft, kRight);
    for (std::size_t line = 0; line + 1 < kServiceLineY.size(); ++line) {
        const double y = (kServiceLineY[line] + kServiceLineY[line + 1]) / 2;
        b.hrule(y, kLeft, kRight, RuleWeight::Hairline);
    }
    for (const double x : columns) {
        const bool centsDivider = x == 495.4 || x == 565.4;
        b.vrule(x, centsDivider ? kLinesTop : kBand5Bottom, kLinesBottom,
                centsDivider ? RuleWeight::Hairline : RuleWeight::Thin);
    }
    b.hrule(kLinesBottom, kLeft, kRight);

    struct Title {
        double x0, x1;
        const char* number;
        const char* title;
    };
    const Title titles[] = {{kLeft, 44.6, "42", "REV. CD."},
                            {44.6, 219.3, "43", "DESCRIPTION"},
                            {219.3, 330.5, "44", "HCPCS / RATE / HIPPS CODE"},
                            {330.5, 383.1, "45", "SERV. DATE"},
                            {383.1, 439.4, "46", "SERV. UNITS"},
                            {439.4, 511.2, "47", "TOTAL CHARGES"},
                            {511.2, 581.5, "48", "NON-COVERED CHARGES"},
                            {581.5, kRight, "49", ""}};
    for (const Title& t : titles) {
        b.number(t.x0 + 1.0, 206.5, t.x0 + 7.0, 216.0, text(t.number), kMiddleLeft);
        if (*t.title != '\0')
            b.caption(t.x0 + 7.2, 206.5, t.x1 - 1.0, 216.0, text(t.title), kMiddleLeft, 4.8);
    }
    for (std::size_t line = 0; line < kServiceLineY.size(); ++line) {
        const double y = kServiceLineY[line];
        b.number(1.0, y - 4.5, 9.2, y + 4.5, QString::number(line + 1), kMiddleRight, 4.4);
    }
    constexpr double kTotals = 489.0;
    b.number(46.0, kTotals - 4.5, 74.5, kTotals + 4.5, text("PAGE"), kMiddleRight, 4.6);
    b.number(101.5, kTotals - 4.5, 118.5, kTotals + 4.5, text("OF"), kMiddleCentre, 4.6);
    b.number(230.0, kTotals - 4.5, 329.0, kTotals + 4.5, text("CREATION DATE"), kMiddleRight, 4.6);
    b.number(384.5, kTotals - 4.5, 438.0, kTotals + 4.5, text("TOTALS"), kMiddleCentre, 4.8);
}

// Letters A-C of a block of three lines, in the margin left of the frame.
void addLineLetters(FormBuilder& b, double firstY) {
    const char* letters[] = {"A", "B", "C"};
    for (int row = 0; row < 3; ++row) {
        const double y = firstY + 12.0 * row;
        b.number(1.0, y - 4.5, 9.2, y + 4.5, text(letters[row]), kMiddleRight, 4.8);
    }
}

// FL 50-57: payers A-C with their release, assignment, payments and provider numbers.
void addPayerBand(FormBuilder& b) {
    constexpr double kTitleBottom = 507.0;
    b.hrule(kTitleBottom, kLeft, kRight);
    b.hrule(519.0, kLeft, kRight, RuleWeight::Hairline);
    b.hrule(531.0, kLeft, kRight, RuleWeight::Hairline);
    for (const double x : {172.5, 282.8, 301.9, 392.3, 482.3})
        b.vrule(x, kLinesBottom, kPayersBottom);
    b.vrule(322.5, kLinesBottom, kPayersBottom, RuleWeight::Hairline);
    b.vrule(377.4, kTitleBottom, kPayersBottom, RuleWeight::Hairline);
    b.vdivider(455.5, kTitleBottom, kPayersBottom);
    b.hrule(kPayersBottom, kLeft, kRight);

    addColumnTitles(b,
                    {{kLeft, 172.5, "50", "PAYER NAME"},
                     {172.5, 282.8, "51", "HEALTH PLAN ID"},
                     {282.8, 301.9, "52", "REL INFO"},
                     {301.9, 322.5, "53", "ASG BEN."},
                     {322.5, 392.3, "54", "PRIOR PAYMENTS"},
                     {392.3, 482.3, "55", "EST. AMOUNT DUE"}},
                    496.5, 506.0);
    b.number(483.2, 496.5, 489.0, 506.0, text("56"), kMiddleLeft);
    b.caption(489.2, 496.5, 495.2, 506.0, text("NPI"), kMiddleLeft, 4.2);
    b.number(483.2, 508.0, 489.0, 518.0, text("57"), kMiddleLeft);
    b.caption(483.2, 520.0, 495.2, 530.0, text("OTHER"), kMiddleLeft, 4.2);
    b.caption(483.2, 532.0, 495.2, 542.0, text("PRV ID"), kMiddleLeft, 4.2);
    addLineLetters(b, 513.0);
}

// FL 58-62: insured A-C.
void addInsuredBand(FormBuilder& b) {
    constexpr double kTitleBottom = 555.0;
    b.hrule(kTitleBottom, kLeft, kRight);
    b.hrule(567.0, kLeft, kRight, RuleWeight::Hairline);
    b.hrule(580.0, kLeft, kRight, RuleWeight::Hairline);
    for (const double x : {193.2, 361.8, 471.0})
        b.vrule(x, kPayersBottom, kInsuredBottom);
    b.vrule(221.3, kPayersBottom, kInsuredBottom, RuleWeight::Hairline);
    b.hrule(kInsuredBottom, kLeft, kRight);

    addColumnTitles(b,
                    {{kLeft, 193.2, "58", "INSURED'S NAME"},
                     {193.2, 221.3, "59", "P. REL"},
                     {221.3, 361.8, "60", "INSURED'S UNIQUE ID"},
                     {361.8, 471.0, "61", "GROUP NAME"},
                     {471.0, kRight, "62", "INSURANCE GROUP NO."}},
                    544.5, 554.0);
    addLineLetters(b, 561.0);
}

// FL 63-65: treatment authorization, document control number, employer A-C.
void addAuthorizationBand(FormBuilder& b) {
    constexpr double kTitleBottom = 604.0;
    b.hrule(kTitleBottom, kLeft, kRight);
    b.hrule(616.0, kLeft, kRight, RuleWeight::Hairline);
    b.hrule(628.5, kLeft, kRight, RuleWeight::Hairline);
    for (const double x : {229.3, 416.4})
        b.vrule(x, kInsuredBottom, kAuthorizationBottom);
    b.hrule(kAuthorizationBottom, kLeft, kRight);

    addColumnTitles(b,
                    {{kLeft, 229.3, "63", "TREATMENT AUTHORIZATION CODES"},
                     {229.3, 416.4, "64", "DOCUMENT CONTROL NUMBER"},
                     {416.4, kRight, "65", "EMPLOYER NAME"}},
                    593.5, 603.0);
    addLineLetters(b, 610.0);
}

// FL 66-68: diagnosis qualifier, principal and other diagnoses A-Q. A box's letter stands at
// its right end, just before the divider, where both pictures leave room.
void addDiagnosisBand(FormBuilder& b) {
    constexpr double kMiddle = 653.0;
    b.hrule(kMiddle, kLeft, kRight, RuleWeight::Hairline);
    b.vrule(19.5, kMiddle, kDiagnosesBottom, RuleWeight::Hairline);
    const std::array<double, 9> dividers = {75.9,  133.9, 191.6, 248.2, 306.0,
                                            363.8, 421.3, 478.7, 536.5};
    for (const double x : dividers)
        b.vrule(x, kAuthorizationBottom, kDiagnosesBottom, RuleWeight::Hairline);
    b.hrule(kDiagnosesBottom, kLeft, kRight);

    // A-H label the boxes 2 to 9 of the upper line, I-Q the boxes 1 to 9 of the lower one,
    // just after the end of each box's text. The screen fields leave only 3 to 6 pixels
    // between them, too little for a letter, so the letters are on paper only.
    const auto textEnd = [](int box) {
        return 68.0 + 58.0 * box;
    };
    for (int box = 1; box < 9; ++box) {
        b.paperNumber(textEnd(box) + 0.6, 642.0, textEnd(box) + 4.4, 652.0,
                      QString(QChar(u'A' + box - 1)));
    }
    for (int box = 0; box < 9; ++box) {
        b.paperNumber(textEnd(box) + 0.6, 654.0, textEnd(box) + 4.4, 664.0,
                      QString(QChar(u'I' + box)));
    }
    b.number(11.2, 642.0, 19.6, 652.0, text("67"), kMiddleLeft, 4.6);
    b.number(1.0, 654.0, 9.2, 664.0, text("66"), kMiddleRight, 4.4);
    b.number(539.2, 642.0, 544.2, 652.0, text("68"), kMiddleLeft, 4.4);
}

// FL 69-73: admitting diagnosis, reasons for visit, PPS code, external causes.
void addReasonBand(FormBuilder& b) {
    constexpr double kY0 = kDiagnosesBottom + 1.0;
    constexpr double kY1 = kReasonsBottom - 1.0;
    for (const double x : {88.8, 277.6, 341.0, 528.0})
        b.vrule(x, kDiagnosesBottom, kReasonsBottom);
    for (const double x : {177.5, 227.7, 413.6, 471.9})
        b.vrule(x, kDiagnosesBottom, kReasonsBottom, RuleWeight::Hairline);
    b.hrule(kReasonsBottom, kLeft, kRight);

    b.number(11.4, kY0, 17.0, kY1, text("69"), kMiddleLeft);
    b.caption(17.2, kY0, 39.2, kY1, text("ADMIT DX"), kMiddleLeft);
    b.number(89.8, kY0, 95.4, kY1, text("70"), kMiddleLeft);
    b.caption(95.6, kY0, 127.8, kY1, text("PATIENT REASON DX"), kMiddleLeft);
    b.number(278.6, kY0, 284.2, kY1, text("71"), kMiddleLeft);
    b.caption(284.4, kY0, 308.8, kY1, text("PPS CODE"), kMiddleLeft);
    b.number(342.0, kY0, 347.6, kY1, text("72"), kMiddleLeft);
    b.caption(347.8, kY0, 358.8, kY1, text("ECI"), kMiddleLeft);
    b.number(529.0, kY0, 535.8, kY1, text("73"), kMiddleLeft);
}

// FL 74-77: procedures, FL 75, attending and operating providers.
void addProcedureBand(FormBuilder& b) {
    constexpr double kProviders = 378.7;
    b.hrule(701.0, kLeft, kRight);
    b.hrule(689.0, kProviders, kRight, RuleWeight::Hairline);
    b.hrule(713.0, kProviders, kRight, RuleWeight::Hairline);
    b.vdivider(120.5, kReasonsBottom, kProceduresBottom);
    b.vrule(228.1, kReasonsBottom, kProceduresBottom);
    // The screen and paper fields leave a sixth of a point in common here.
    b.vrule(335.8, kReasonsBottom, kProceduresBottom, RuleWeight::Hairline);
    b.vrule(kProviders, kReasonsBottom, kProceduresBottom);
    for (const double x : {68.5, 176.1, 284.8}) {
        b.vrule(x, 684.0, 701.0, RuleWeight::Hairline);
        b.vrule(x, 708.0, kProceduresBottom, RuleWeight::Hairline);
    }
    b.vrule(536.9, kReasonsBottom, 689.0, RuleWeight::Hairline);
    b.vrule(536.9, 701.0, 713.0, RuleWeight::Hairline);
    b.hrule(kProceduresBottom, kLeft, kRight);

    struct Procedure {
        double x0, split, x1;
        const char* number;
        const char* title;
    };
    const Procedure top[] = {{kLeft, 68.5, 120.5, "74", "PRINCIPAL PROCEDURE"},
                             {120.5, 176.1, 228.1, "a.", "OTHER PROCEDURE"},
                             {228.1, 284.8, 335.9, "b.", "OTHER PROCEDURE"}};
    const Procedure bottom[] = {{kLeft, 68.5, 120.5, "c.", "OTHER PROCEDURE"},
                                {120.5, 176.1, 228.1, "d.", "OTHER PROCEDURE"},
                                {228.1, 284.8, 335.9, "e.", "OTHER PROCEDURE"}};
    const auto titles = [&b](const Procedure& p, double y) {
        b.number(p.x0 + 1.0, y, p.x0 + 6.6, y + 5.0, text(p.number));
        b.caption(p.x0 + 6.8, y, p.x1 - 1.0, y + 5.0, text(p.title), kTopCentre);
        b.caption(p.x0 + 0.8, y + 5.6, p.split - 0.6, y + 10.6, text("CODE"), kTopCentre);
        b.caption(p.split + 0.6, y + 5.6, p.x1 - 0.8, y + 10.6, text("DATE"), kTopCentre);
    };
    for (const Procedure& p : top)
        titles(p, 677.8);
    for (const Procedure& p : bottom)
        titles(p, 701.8);
    b.number(336.8, 678.0, 340.8, 688.0, text("75"), kMiddleLeft, 4.4);

    struct Provider {
        double y;
        const char* number;
        const char* title;
    };
    const Provider providers[] = {{683.0, "76", "ATTENDING"}, {707.0, "77", "OPERATING"}};
    for (const Provider& p : providers) {
        b.number(379.6, p.y - 5.0, 385.2, p.y + 5.0, text(p.number), kMiddleLeft);
        b.caption(385.4, p.y - 5.0, 415.5, p.y + 5.0, text(p.title), kMiddleLeft);
        b.caption(416.5, p.y - 5.0, 430.6, p.y + 5.0, text("NPI"), kMiddleRight);
        b.caption(503.0, p.y - 5.0, 522.4, p.y + 5.0, text("QUAL"), kMiddleRight);
        b.caption(379.6, p.y + 7.0, 387.6, p.y + 17.0, text("LAST"), kMiddleLeft, 4.2);
        b.caption(495.0, p.y + 7.0, 516.4, p.y + 17.0, text("FIRST"), kMiddleRight);
    }
}

// FL 78-81: other providers, remarks and code-code fields, then the foot of the form.
void addRemarksBand(FormBuilder& b) {
    constexpr double kCodes = 188.8;
    constexpr double kProviders = 367.5;
    b.hrule(749.0, kCodes, kRight);
    for (const double y : {737.0, 761.0})
        b.hrule(y, kCodes, kRight, RuleWeight::Hairline);
    b.vrule(kCodes, kProceduresBottom, kBottom);
    b.vrule(kProviders, kProceduresBottom, kBottom);
    b.vrule(213.2, kProceduresBottom, kBottom, RuleWeight::Hairline);
    b.vrule(285.5, kProceduresBottom, kBottom, RuleWeight::Hairline);
    b.vrule(420.9, kProceduresBottom, 737.0, RuleWeight::Hairline);
    b.vrule(420.9, 749.0, 761.0, RuleWeight::Hairline);
    b.vrule(536.9, kProceduresBottom, 737.0, RuleWeight::Hairline);
    b.vrule(536.9, 749.0, 761.0, RuleWeight::Hairline);

    b.number(11.4, 726.0, 17.0, 736.0, text("80"), kMiddleLeft);
    b.caption(17.2, 726.0, 44.4, 736.0, text("REMARKS"), kMiddleLeft);
    b.number(189.8, 726.0, 199.8, 736.0, text("81CC"), kMiddleLeft, 4.2);
    const char* letters[] = {"b", "c", "d"};
    for (int row = 0; row < 3; ++row) {
        const double y = 743.0 + 12.0 * row;
        b.number(190.4, y - 5.0, 195.0, y + 5.0, text(letters[row]), kMiddleLeft, 4.6);
    }
    struct Provider {
        double y;
        const char* number;
    };
    const Provider providers[] = {{731.0, "78"}, {755.0, "79"}};
    for (const Provider& p : providers) {
        b.number(368.4, p.y - 5.0, 374.0, p.y + 5.0, text(p.number), kMiddleLeft);
        b.caption(374.2, p.y - 5.0, 407.4, p.y + 5.0, text("OTHER"), kMiddleLeft);
        b.caption(421.8, p.y - 5.0, 430.6, p.y + 5.0, text("NPI"), kMiddleRight);
        b.caption(503.0, p.y - 5.0, 522.4, p.y + 5.0, text("QUAL"), kMiddleRight);
        b.caption(368.4, p.y + 7.0, 387.6, p.y + 17.0, text("LAST"), kMiddleLeft, 4.2);
        b.caption(495.0, p.y + 7.0, 516.4, p.y + 17.0, text("FIRST"), kMiddleRight);
    }

    b.number(kLeft, 776.0, 70.0, 783.0, text("UB-04 CMS-1450"), kTopLeft, 6.0);
    b.caption(72.0, 776.8, 170.0, 782.0, text("APPROVED OMB NO. 0938-0997"), kTopLeft, 4.8);
    b.caption(330.0, 776.8, kRight, 782.0,
              text("THE CERTIFICATIONS ON THE REVERSE APPLY TO THIS BILL AND ARE MADE A PART "
                   "HEREOF."),
              Qt::AlignRight | Qt::AlignTop, 4.8);
}

void addFrame(FormBuilder& b) {
    b.hrule(kTop, kLeft, kRight, RuleWeight::Thick);
    b.hrule(kBottom, kLeft, kRight, RuleWeight::Thick);
    b.vrule(kLeft, kTop, kBottom, RuleWeight::Thick);
    b.vrule(kRight, kTop, kBottom, RuleWeight::Thick);
}

} // namespace

FormDescription ub04Form() {
    FormBuilder b;
    addProviderBand(b);
    addPatientBand(b);
    addAdmissionBand(b);
    addOccurrenceBand(b);
    addValueCodeBand(b);
    addServiceLines(b);
    addPayerBand(b);
    addInsuredBand(b);
    addAuthorizationBand(b);
    addDiagnosisBand(b);
    addReasonBand(b);
    addProcedureBand(b);
    addRemarksBand(b);
    addFrame(b);
    return b.take();
}

} // namespace cw::formpicture
