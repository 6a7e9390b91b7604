#include "app/PdfOutputCheck.h"

#include "printing/PdfOutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace cw::app {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PdfOutputCheck", text);
}

// The same file however the path is spelt, where it exists.
QString fileIdentity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

Result<void> checkPdfOutput(const PdfPrintOptions& options) {
    const QString& output = options.outputPath;
    if (output.endsWith(QLatin1StringView(".ub4"), Qt::CaseInsensitive))
        return Error{
            tr("\"%1\" after --print-pdf is the name of a claim file, not of a PDF.").arg(output)};
    const QString outputFile = fileIdentity(output);
    for (const QString& claim : options.claimPaths)
        if (fileIdentity(claim) == outputFile)
            return Error{tr("\"%1\" after --print-pdf is the claim file \"%2\"; it is not "
                            "written over.")
                             .arg(output, claim)};
    const QFileInfo info(output);
    if (info.exists() && !info.isDir() && !printing::isPdfFile(output))
        return Error{tr("\"%1\" after --print-pdf exists and is not a PDF file; it is not "
                        "written over.")
                         .arg(output)};
    return {};
}

} // namespace cw::app
