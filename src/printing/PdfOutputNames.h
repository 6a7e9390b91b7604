#pragma once

// PDF files chosen as the printer: a job never replaces a PDF that an earlier job of the same
// run wrote. The second job to the same name writes "name-2.pdf", the next "name-3.pdf", each
// time the first number whose file neither exists nor was written in this run.

#include <QSet>
#include <QString>

namespace cw::printing {

class PdfOutputNames {
public:
    // The path the next job to the requested path writes.
    QString pathFor(const QString& requested) const;
    void markWritten(const QString& path);

private:
    static QString canonical(const QString& path);

    QSet<QString> m_written;
};

} // namespace cw::printing
