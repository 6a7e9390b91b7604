#include "editor/BatchSummary.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace cw::editor {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("BatchSummary", text);
}

} // namespace

void BatchSummary::printed(const QString& path) {
    m_entries.append({path, Outcome::Printed, {}});
}

void BatchSummary::skipped(const QString& path, const QString& reason) {
    m_entries.append({path, Outcome::Skipped, reason});
}

void BatchSummary::notReached(const QString& path) {
    m_entries.append({path, Outcome::NotReached, {}});
}

void BatchSummary::wroteTo(const QString& pdfPath) {
    m_pdfPath = pdfPath;
}

void BatchSummary::pdfFailed(const QString& reason) {
    for (Entry& entry : m_entries)
        if (entry.outcome == Outcome::Printed)
            entry = {entry.path, Outcome::Skipped,
                     tr("The PDF file could not be written. %1").arg(reason)};
}

qsizetype BatchSummary::count(Outcome outcome) const {
    return std::count_if(m_entries.cbegin(), m_entries.cend(),
                         [outcome](const Entry& entry) { return entry.outcome == outcome; });
}

bool BatchSummary::anySkipped() const {
    return count(Outcome::Skipped) > 0;
}

QString BatchSummary::text() const {
    QString text;
    if (count(Outcome::NotReached) > 0)
        text = tr("Printing was stopped.") + u'\n';
    text += tr("Claims printed: %1 of %2.").arg(count(Outcome::Printed)).arg(m_entries.size());
    if (!m_pdfPath.isEmpty())
        text += u'\n' + tr("PDF file: %1").arg(QDir::toNativeSeparators(m_pdfPath));
    const auto list = [&](Outcome outcome, const QString& heading) {
        if (count(outcome) == 0)
            return;
        text += QStringLiteral("\n\n") + heading;
        for (const Entry& entry : m_entries) {
            if (entry.outcome != outcome)
                continue;
            text += u'\n' + QDir::toNativeSeparators(entry.path);
            if (!entry.reason.isEmpty())
                text += QStringLiteral("\n    ") + entry.reason;
        }
    };
    list(Outcome::Skipped, tr("Not printed:"));
    list(Outcome::NotReached, tr("Not reached:"));
    return text;
}

} // namespace cw::editor
