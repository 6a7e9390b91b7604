#include "check/FieldShapes.h"

#include <algorithm>

namespace cw::check {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isCapitalOrDigit(QChar c) {
    return isDigit(c) || (c >= u'A' && c <= u'Z');
}

int digitValue(QChar c) {
    return c.unicode() - u'0';
}

int number(QStringView digits) {
    int value = 0;
    for (QChar c : digits)
        value = value * 10 + digitValue(c);
    return value;
}

// The year a two-digit year stands for (see readFormDate).
constexpr int kPivot = 80;

} // namespace

bool isDigits(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

FormDate readFormDate(QStringView text, int digitCount) {
    if (text.size() != digitCount || !isDigits(text))
        return {DateReading::WrongShape, {}};
    const int month = number(text.first(2));
    const int day = number(text.sliced(2, 2));
    int year = number(text.sliced(4));
    if (digitCount == 6)
        year += year < kPivot ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        return {DateReading::NoSuchDate, {}};
    return {DateReading::Date, date};
}

bool hasNpiCheckDigit(QStringView tenDigits) {
    // The prefix 80840 adds 24 to the Luhn sum of the first nine digits.
    int sum = 24;
    for (int i = 0; i < 9; ++i) {
        int d = digitValue(tenDigits[i]);
        if (i % 2 == 0) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return (10 - sum % 10) % 10 == digitValue(tenDigits[9]);
}

bool isNpi(QStringView text) {
    return text.size() == 10 && isDigits(text) && hasNpiCheckDigit(text);
}

bool isTypeOfBill(QStringView text) {
    return text.size() == 4 && isDigits(text) && text[0] == u'0';
}

bool isOlderTypeOfBill(QStringView text) {
    return text.size() == 3 && isDigits(text);
}

bool isInpatientTypeOfBill(QStringView text) {
    QStringView code;
    if (isTypeOfBill(text))
        code = text.sliced(1);
    else if (isOlderTypeOfBill(text))
        code = text;
    else
        return false;
    const int facility = digitValue(code[0]);
    const int classification = digitValue(code[1]);
    return facility >= 1 && facility <= 6 && (classification == 1 || classification == 2);
}

bool isDiagnosisCode(QStringView text) {
    if (text.size() < 3 || text.size() > 7)
        return false;
    if (text[0] < u'A' || text[0] > u'Z' || !isDigit(text[1]))
        return false;
    return std::all_of(text.begin() + 2, text.end(), isCapitalOrDigit);
}

bool isHcpcsOrRate(QStringView text) {
    // A rate: digits, or digits, a point and two digits.
    const qsizetype point = text.indexOf(u'.');
    if (point < 0 ? isDigits(text)
                  : isDigits(text.first(point)) && text.size() - point == 3 &&
                        isDigits(text.sliced(point + 1)))
        return true;
    // A code and its modifiers, with or without spaces between them.
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ') {
            if (characters < 5 || (characters - 5) % 2 != 0)
                return false;
            continue;
        }
        if (!isCapitalOrDigit(text[i]))
            return false;
        ++characters;
    }
    return characters >= 5 && characters <= 13 && (characters - 5) % 2 == 0;
}

} // namespace cw::check
