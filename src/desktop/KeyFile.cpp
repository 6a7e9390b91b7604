#include "desktop/KeyFile.h"

#include <QList>

#include <algorithm>
#include <iterator>

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

// The key file's escapes of string values: the character after the backslash, and what it
// stands for. "\s" is read but never written: a blank needs no escape inside a value.
struct Escape {
    char16_t written;
    char16_t meant;
};
constexpr Escape kEscapes[] = {
    {u'\\', u'\\'}, {u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'}, {u's', u' '}};

QString escapedValue(const QString& text) {
    // All but the last, "\s".
    const auto written = std::end(kEscapes) - 1;
    QString out;
    for (const QChar c : text) {
        const auto escape = std::find_if(std::begin(kEscapes), written,
                                         [c](const Escape& e) { return e.meant == c; });
        if (escape != written)
            out += u'\\';
        out += escape != written ? QChar(escape->written) : c;
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
        const QChar next = text[++i];
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [next](const Escape& e) { return e.written == next; });
        out += escape != std::end(kEscapes) ? QChar(escape->meant) : next;
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
