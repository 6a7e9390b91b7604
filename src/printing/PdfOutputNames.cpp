#include "printing/PdfOutputNames.h"

#include <QDir>
#include <QFileInfo>

namespace cw::printing {

QString PdfOutputNames::canonical(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString PdfOutputNames::pathFor(const QString& requested) const {
    const QString path = canonical(requested);
    if (!m_written.contains(path))
        return path;
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName());
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int number = 2;; ++number) {
        const QString candidate = stem + u'-' + QString::number(number) + suffix;
        if (!m_written.contains(candidate) && !QFileInfo::exists(candidate))
            return candidate;
    }
}

void PdfOutputNames::markWritten(const QString& path) {
    m_written.insert(canonical(path));
}

} // namespace cw::printing
