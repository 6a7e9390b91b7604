#include "online/ErrorReport.h"

#include "online/MakerServers.h"
#include "online/UrlEncoding.h"
#include "online/WebRequests.h"
#include "platform/OsVersion.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

#include <exception>

namespace cw::online {

namespace {

const QString kRemoved = QStringLiteral("[removed]");

bool namesAFile(const QString& clause) {
    static const QRegularExpression extension(QStringLiteral("\\w\\.[A-Za-z][A-Za-z0-9]{1,4}\\b"));
    return clause.contains(u'/') || clause.contains(u'\\') || clause.contains(extension);
}

QString pair(const QString& key, const QString& value) {
    return key + QStringLiteral(":\"") + value + u'"';
}

} // namespace

QString reportableMessage(const QString& message) {
    static const QRegularExpression quoted(
        QStringLiteral("\"[^\"\\r\\n]*\"|\u201c[^\u201d\\r\\n]*\u201d"));
    static const QRegularExpression separator(QStringLiteral("\\r\\n|\\r|\\n|: |; "));
    QString text = message;
    text.replace(quoted, u'"' + kRemoved + u'"');

    QString reportable;
    qsizetype clauseStart = 0;
    const auto takeClause = [&](qsizetype end) {
        const QString clause = text.mid(clauseStart, end - clauseStart);
        reportable += namesAFile(clause) ? kRemoved : clause;
    };
    for (QRegularExpressionMatchIterator it = separator.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        takeClause(match.capturedStart());
        reportable += match.captured();
        clauseStart = match.capturedEnd();
    }
    takeClause(text.size());
    return reportable;
}

QString errorReportLine(const QString& tag, const QString& message, const QString& date,
                        const QString& osVersion) {
    return pair(tag, reportableMessage(message)) + u' ' +
           pair(QStringLiteral("BuildDate"), QLatin1StringView(kBuildDate)) + u' ' +
           pair(QStringLiteral("Product"), QLatin1StringView(kProductCode)) + u' ' +
           pair(QStringLiteral("DateTime"), date) + u' ' +
           pair(QStringLiteral("WindowsVersion"), osVersion);
}

void sendErrorReport(const QString& tag, const QString& message) {
    // A report is background work: whatever goes wrong, it is lost and nothing else happens.
    try {
        static const QString osVersion = platform::osVersionText();
        const QString today =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        const QByteArray encoded = urlEncode(errorReportLine(tag, message, today, osVersion));
        (void)httpGetText(
            mainServerUrl(QLatin1StringView(kErrorReportPath) + QString::fromLatin1(encoded)));
    } catch (const std::exception&) {
    }
}

} // namespace cw::online
