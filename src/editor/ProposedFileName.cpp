#include "editor/ProposedFileName.h"

#include <array>

namespace cw::editor {

namespace {

const std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

QString withoutForbiddenCharacters(QString text) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    text.removeIf([](QChar c) { return forbidden.contains(c); });
    return text;
}

// A whole number as typed: digits with an optional sign, no blanks.
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return std::nullopt;
    return n;
}

} // namespace

QString proposedDatePart(const QString& date) {
    const QString yy = date.right(2);
    const QString mm = date.left(2);
    const auto year = wholeNumber(yy);
    const auto month = wholeNumber(mm);
    if (!year || !month || *month < 1 || *month > 12)
        return {};
    const QString century = *year <= 60 ? QStringLiteral("20") : QStringLiteral("19");
    return withoutForbiddenCharacters(century + yy + u'-' + mm + QStringLiteral(" (") +
                                      QLatin1StringView(kMonthNames[*month - 1]) + u')');
}

QString proposeFileName(const ProposedNameInput& input,
                        const std::function<bool(const QString&)>& exists) {
    const QString patient = withoutForbiddenCharacters(input.patientName.trimmed());
    if (patient.isEmpty())
        return {};
    QString date = input.serviceDate.trimmed();
    if (date.isEmpty())
        date = input.periodFrom.trimmed();
    const QString datePart = proposedDatePart(date);

    long long page = 1;
    if (const auto typed = wholeNumber(input.pageNumber))
        page = *typed;
    const auto nameFor = [&](long long n) {
        return patient + u' ' + datePart + u' ' + QStringLiteral("Page ") + QString::number(n) +
               QStringLiteral(".ub4");
    };
    QString name = nameFor(page);
    while (exists(name))
        name = nameFor(++page);
    return name;
}

} // namespace cw::editor
