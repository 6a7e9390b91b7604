#include "printing/PdfOutputFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace cw::printing {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PdfOutputFile", text);
}

} // namespace

bool isPdfFile(const QString& path) {
    if (!QFileInfo(path).isFile()) // a named pipe would keep the read waiting
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

Result<void> checkNotAClaimFileName(const QString& path) {
    if (path.endsWith(QLatin1StringView(".ub4"), Qt::CaseInsensitive))
        return Error{tr("The PDF file \"%1\" is not written: that is the name of a claim file. "
                        "Choose a name ending in .pdf.")
                         .arg(path)};
    return {};
}

} // namespace cw::printing
