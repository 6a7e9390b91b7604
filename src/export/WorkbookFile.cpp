#include "export/WorkbookFile.h"

#include "export/ClaimsWorkbook.h"
#include "platform/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace cw::exports {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("WorkbookFile", text);
}

} // namespace

bool isOpenInOfficeProgram(const QString& path) {
    const QFileInfo file(path);
    const QDir folder = file.absoluteDir();
    return QFileInfo::exists(folder.filePath(QStringLiteral(".~lock.") + file.fileName() + u'#')) ||
           QFileInfo::exists(folder.filePath(QStringLiteral("~$") + file.fileName()));
}

Result<QByteArray> workbookWithClaims(const QString& path,
                                      const QList<model::ClaimValues>& claims) {
    const QString name = QFileInfo(path).fileName();
    Result<ClaimsWorkbook> workbook = Error{};
    if (!QFileInfo::exists(path)) {
        workbook = ClaimsWorkbook::create();
    } else {
        if (isOpenInOfficeProgram(path))
            return Error{tr("The workbook %1 is open in another program. Close it there first, "
                            "then export again.")
                             .arg(name)};
        const Result<QByteArray> bytes = platform::readWholeFile(path, kMaxWorkbookBytes);
        if (!bytes)
            return Error{bytes.error()};
        workbook = ClaimsWorkbook::open(*bytes);
    }
    if (!workbook)
        return Error{tr("The claim cannot be added to %1: %2. Nothing was written.")
                         .arg(name, workbook.error())};
    ClaimsWorkbook book = std::move(workbook).value();
    for (const model::ClaimValues& claim : claims)
        if (const Result<int> column = book.appendClaim(claim); !column)
            return Error{column.error()};
    return book.finish();
}

} // namespace cw::exports
