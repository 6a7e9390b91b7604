#pragma once

// The shapes a payer's scanner expects in the fields of a UB-04: dates, NPIs, type of bill,
// revenue, HCPCS and diagnosis codes. Plain functions over the text as typed; the rule table
// decides which field each one applies to.

#include <QDate>
#include <QStringView>

namespace cw::check {

bool isDigits(QStringView text);

// A date as the form writes it: 6 digits MMDDYY, or 8 digits MMDDCCYY (the birth date only).
// Two-digit years pivot at 80: 00-79 are 2000-2079 and 80-99 are 1980-1999. The claims this
// program fills in are from 2007 on, and the few older 6-digit dates (an onset of illness, an
// occurrence span) reach back decades at most.
enum class DateReading {
    Date,       // a real calendar date
    WrongShape, // not that many digits
    NoSuchDate, // digits, but no such day (02/30/09, month 13)
};
struct FormDate {
    DateReading reading;
    QDate date; // valid only for DateReading::Date
};
FormDate readFormDate(QStringView text, int digitCount);

// 10 digits whose last is the Luhn check digit over the other nine with the card-issuer prefix
// 80840 in front, as every NPI is issued.
bool isNpi(QStringView text);
bool hasNpiCheckDigit(QStringView tenDigits);

// Type of bill: "0" and three digits; the older three-digit form without the leading 0.
bool isTypeOfBill(QStringView text);
bool isOlderTypeOfBill(QStringView text);
// Hospital and nursing-facility bills (facility digit 1 to 6) of the inpatient classifications
// (1, Part A, and 2, Part B only), in either form of the type of bill.
bool isInpatientTypeOfBill(QStringView text);

// An ICD-10-CM diagnosis code as the form carries it: 3 to 7 characters, a capital letter, a
// digit, then capital letters or digits, with no decimal point.
bool isDiagnosisCode(QStringView text);

// FL 44 holds a HCPCS or HIPPS code (5 capital letters or digits, then up to four 2-character
// modifiers, spaces between them allowed) or an accommodation rate (digits, with cents after a
// point).
bool isHcpcsOrRate(QStringView text);

} // namespace cw::check
