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

Result<void> checkOutputIsNoClaim(const QString& option, const QString& output,
                                  const QStringList& claimPaths) {
    if (output.endsWith(QLatin1StringView(".ub4"), Qt::CaseInsensitive))
        return Error{tr("\"%1\" after %2 is the name of a claim file, not of the file to write.")
                         .arg(output, option)};
    const QString outputFile = fileIdentity(output);
    for (const QString& claim : claimPaths)
        if (fileIdentity(claim) == outputFile)
            return Error{tr("\"%1\" after %2 is the claim file \"%3\"; it is not written over.")
                             .arg(output, option, claim)};
    return {};
}

Result<void> checkPdfOutput(const PdfPrintOptions& options) {
    const QString& output = options.outputPath;
    if (Result<void> noClaim =
            checkOutputIsNoClaim(QStringLiteral("--print-pdf"), output, options.claimPaths);
        !noClaim)
        return noClaim;
    const QFileInfo info(output);
    if (info.exists() && !info.isDir() && !printing::isPdfFile(output))
        return Error{tr("\"%1\" after --print-pdf exists and is not a PDF file; it is not "
                        "written over.")
                         .arg(output)};
    return {};
}

} // namespace cw::app
