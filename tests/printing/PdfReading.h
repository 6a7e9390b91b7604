#pragma once

// Reads printed PDFs back with poppler's tools, an independent reader of what the engine wrote.

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSet>
#include <QString>

namespace cw::test {

struct PdfWord {
    QString text;
    QRectF box; // points from the sheet's top-left corner

    QPointF centre() const { return box.center(); }
};

// Every word of one page, as pdftotext -bbox reports it.
inline QList<PdfWord> pdfWords(const QString& pdfPath, int page = 1) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), pdfPath, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
        const double x0 = m.captured(1).toDouble();
        const double y0 = m.captured(2).toDouble();
        words.append({m.captured(5), QRectF(QPointF(x0, y0), QPointF(m.captured(3).toDouble(),
                                                                     m.captured(4).toDouble()))});
    }
    return words;
}

// The one word with that text; an empty box when it is missing or not alone.
inline QRectF wordBox(const QList<PdfWord>& words, const QString& text) {
    QRectF found;
    int count = 0;
    for (const PdfWord& w : words)
        if (w.text == text) {
            found = w.box;
            ++count;
        }
    return count == 1 ? found : QRectF();
}

// The page count pdfinfo reports; 0 when it cannot read the file.
inline int pdfPageCount(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdfPath});
    process.waitForFinished(60000);
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    const auto match = pages.match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// Distinct image objects in the PDF: one per picture, however many pages show it.
inline int imageObjectCount(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdfPath});
    process.waitForFinished(60000);
    QSet<QString> objects;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(u' ');
        if (columns.size() > 10)
            objects.insert(columns[10]);
    }
    return int(objects.size());
}

} // namespace cw::test
