#include "desktop/KeyFile.h"

#include <QList>

namespace cw::desktop {

namespace {

QByteArray groupLine(QStringView group) {
    return '[' + group.toUtf8() + ']';
}

bool isGroupLine(const QByteArray& line) {
    return line.startsWith('[');
}

// The key of a "Key=Value" line, blanks trimmed; empty for other lines.
QByteArray keyOf(const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.startsWith('#'))
        return {};
    return line.left(equals).trimmed();
}

// Lines without their line ends; a last line without one counts as a line.
QList<QByteArray> linesOf(const QByteArray& contents) {
    QList<QByteArray> lines = contents.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Escapes of the key file's string values.
QString escapedValue(const QString& text) {
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapedValue(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case u's':
            out += u' ';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'r':
            out += u'\r';
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::optional<QString> keyFileValue(const QByteArray& contents, QStringView group,
                                    QStringView key) {
    const QByteArray wantedGroup = groupLine(group);
    const QByteArray wantedKey = key.toUtf8();
    bool inGroup = false;
    for (const QByteArray& rawLine : linesOf(contents)) {
        const QByteArray line = rawLine.trimmed();
        if (isGroupLine(line)) {
            inGroup = line == wantedGroup;
            continue;
        }
        if (inGroup && keyOf(line) == wantedKey)
            return QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
    }
    return std::nullopt;
}

QByteArray withKeyFileValue(const QByteArray& contents, QStringView group, QStringView key,
                            const QString& value) {
    const QByteArray wantedGroup = groupLine(group);
    const QByteArray wantedKey = key.toUtf8();
    const QByteArray newLine = wantedKey + '=' + value.toUtf8();
    QList<QByteArray> lines = linesOf(contents);
    qsizetype groupEnd = -1; // where a new line of the group goes
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (isGroupLine(line)) {
            inGroup = line == wantedGroup;
            if (inGroup)
                groupEnd = i + 1;
            continue;
        }
        if (!inGroup)
            continue;
        if (keyOf(line) == wantedKey) {
            lines[i] = newLine;
            return lines.join('\n') + '\n';
        }
        if (!line.isEmpty())
            groupEnd = i + 1;
    }
    if (groupEnd >= 0) {
        lines.insert(groupEnd, newLine);
    } else {
        if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append(wantedGroup);
        lines.append(newLine);
    }
    return lines.join('\n') + '\n';
}

QStringList keyFileList(const QString& value) {
    return value.split(u';', Qt::SkipEmptyParts);
}

QString execWord(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        // A field code would be expanded by the launcher.
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    return escapedValue(quoted);
}

QString execProgram(const QString& execValue) {
    const QString exec = unescapedValue(execValue).trimmed();
    if (!exec.startsWith(u'"'))
        return exec.section(u' ', 0, 0);
    QString program;
    for (qsizetype i = 1; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == u'"')
            break;
        if (c == u'\\' && i + 1 < exec.size())
            program += exec[++i];
        else if (c == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%')
            program += exec[++i];
        else
            program += c;
    }
    return program;
}

} // namespace cw::desktop
