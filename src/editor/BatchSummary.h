#pragma once

// What a batch run did with each queued claim file, in queue order: printed, not printed (and
// why), or not reached because the run was stopped; and the one message that says so at its
// end.

#include <QList>
#include <QString>

namespace cw::editor {

class BatchSummary {
public:
    void printed(const QString& path);
    void skipped(const QString& path, const QString& reason);
    void notReached(const QString& path);
    // Where the printed claims went when they went into a PDF file.
    void wroteTo(const QString& pdfPath);
    // The PDF file could not be written: no claim printed into it reached the user.
    void pdfFailed(const QString& reason);

    // A claim could not be printed (the run went on without it).
    bool anySkipped() const;
    QString text() const;

private:
    enum class Outcome { Printed, Skipped, NotReached };
    struct Entry {
        QString path;
        Outcome outcome;
        QString reason;
    };
    qsizetype count(Outcome outcome) const;

    QList<Entry> m_entries;
    QString m_pdfPath;
};

} // namespace cw::editor
