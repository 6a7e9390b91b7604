#include "app/ExportCommand.h"

#include "export/ClaimXml.h"
#include "export/WordDocument.h"
#include "export/WorkbookFile.h"
#include "model/ClaimFile.h"
#include "platform/FileAccess.h"

#include <QCoreApplication>
#include <QTextStream>

namespace cw::app {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ExportCommand", text);
}

Result<QByteArray> exportedBytes(const ExportOptions& options,
                                 const QList<model::ClaimValues>& claims) {
    switch (options.format) {
    case ExportFormat::Xml:
        return exports::claimXml(claims.constFirst());
    case ExportFormat::Document:
        return exports::claimWordDocument(claims.constFirst());
    case ExportFormat::Workbook:
        return exports::workbookWithClaims(options.outputPath, claims);
    }
    Q_UNREACHABLE();
    return Error{};
}

} // namespace

ExitStatus runExport(const ExportOptions& options, QTextStream& out, QTextStream& err) {
    QList<model::ClaimValues> claims;
    for (const QString& path : options.claimPaths) {
        Result<model::ClaimValues> claim = model::readClaimFile(path);
        if (!claim) {
            err << tr("claimwright: skipped %1: %2").arg(path, claim.error()) << Qt::endl;
            continue;
        }
        claims << std::move(claim).value();
    }
    if (claims.isEmpty()) {
        err << tr("claimwright: no claim could be read; nothing was exported.") << Qt::endl;
        return kNothingPrinted;
    }
    const Result<QByteArray> bytes = exportedBytes(options, claims);
    if (!bytes) {
        err << tr("claimwright: nothing was exported: %1").arg(bytes.error()) << Qt::endl;
        return kNothingPrinted;
    }
    if (const Result<void> written = platform::writeFileAtomically(options.outputPath, *bytes);
        !written) {
        err << tr("claimwright: nothing was exported: %1").arg(written.error()) << Qt::endl;
        return kNothingPrinted;
    }
    out << tr("claimwright: exported %1 of %2 claims to %3")
               .arg(claims.size())
               .arg(options.claimPaths.size())
               .arg(options.outputPath)
        << Qt::endl;
    return claims.size() == options.claimPaths.size() ? kAllPrinted : kSomeSkipped;
}

} // namespace cw::app
