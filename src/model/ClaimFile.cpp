#include "model/ClaimFile.h"

#include "model/FieldText.h"
#include "model/Windows1252.h"
#include "platform/FileAccess.h"

#include <QCoreApplication>

#include <algorithm>

namespace cw::model {

namespace {

const QLatin1StringView kLineEnd("\r\n");
constexpr qsizetype kMarkerSearchLines = 20;

bool isProviderField(int index) {
    return std::find(kProviderFieldIndices.begin(), kProviderFieldIndices.end(), index) !=
           kProviderFieldIndices.end();
}

// The text a field contributes to its line.
const QString& storedText(const ClaimValues& values, int index) {
    static const QString empty;
    return FieldCatalogue::isOffForm(index) ? empty : values[index];
}

QString removedMarkers(QString line) {
    return line.remove(kAutoFillMarker, Qt::CaseInsensitive);
}

// Where the four provider lines stand, and how their values are read.
struct ProviderBlock {
    qsizetype firstLine;
    // The layout buildClaimLines writes: each line holds one marker, at its start, and whatever
    // follows it is the value, markers included.
    bool written;
};

// The layout this program writes: the field lines, one empty line, then the four marker
// lines, which end the file. Recognised first, so that a field line near the end that holds
// the marker is never taken for the block.
bool hasWrittenLayout(const QStringList& lines) {
    if (lines.size() != kClaimFileLineCount || !lines[kFieldLineCount].isEmpty())
        return false;
    return std::all_of(lines.begin() + kFieldLineCount + 1, lines.end(), [](const QString& line) {
        return line.startsWith(kAutoFillMarker, Qt::CaseSensitive);
    });
}

// Any other file: the first line among the last 20 that holds the marker (case-sensitive)
// starts the block.
std::optional<ProviderBlock> findProviderBlock(const QStringList& lines) {
    if (hasWrittenLayout(lines))
        return ProviderBlock{kFieldLineCount + 1, true};
    for (qsizetype n = std::max<qsizetype>(0, lines.size() - kMarkerSearchLines); n < lines.size();
         ++n)
        if (lines[n].contains(kAutoFillMarker, Qt::CaseSensitive))
            return ProviderBlock{n, false};
    return std::nullopt;
}

} // namespace

QString buildClaimLines(const ClaimValues& values) {
    QString text;
    text.reserve(4096);
    // A line break inside a value would shift every later line; it is stored as a blank.
    for (int i = 0; i < kFieldCount; ++i) {
        if (isProviderField(i))
            continue;
        text += asSingleLine(storedText(values, i));
        text += kLineEnd;
    }
    text += kLineEnd;
    for (const int i : kProviderFieldIndices) {
        text += kAutoFillMarker;
        text += asSingleLine(values[i]);
        text += kLineEnd;
    }
    return text;
}

QStringList splitClaimLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start).toString());
    return lines;
}

ClaimValues claimValuesFromLines(const QStringList& lines) {
    ClaimValues values;
    const std::optional<ProviderBlock> block = findProviderBlock(lines);
    // Lines from the provider block on are never field lines, also in a short file.
    const qsizetype fieldLinesEnd = block ? block->firstLine : lines.size();
    const auto lineAt = [&lines](qsizetype n, qsizetype end) {
        return n < end ? lines[n] : QString();
    };

    if (block) {
        for (std::size_t k = 0; k < kProviderFieldIndices.size(); ++k) {
            const QString line = lineAt(block->firstLine + qsizetype(k), lines.size());
            values[kProviderFieldIndices[k]] =
                block->written ? line.sliced(kAutoFillMarker.size()) : removedMarkers(line);
        }
    }

    qsizetype counter = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        if (isProviderField(i))
            continue;
        values[i] = lineAt(counter++, fieldLinesEnd);
    }
    return values;
}

std::optional<UnencodableField> findUnencodableField(const ClaimValues& values) {
    for (int i = 0; i < kFieldCount; ++i) {
        const qsizetype pos = Windows1252::firstUnencodable(storedText(values, i));
        if (pos >= 0)
            return UnencodableField{i, pos};
    }
    return std::nullopt;
}

Result<QByteArray> encodeClaimFile(const ClaimValues& values) {
    if (const auto bad = findUnencodableField(values)) {
        const QString& text = values[bad->fieldIndex];
        return Error{QCoreApplication::translate(
                         "ClaimFile", "The field %1 holds the character %2, which a claim file "
                                      "cannot store. Remove or replace it, then save again.")
                         .arg(FieldCatalogue::name(bad->fieldIndex),
                              Windows1252::describeCharacterAt(text, bad->position))};
    }
    return Windows1252::encode(buildClaimLines(values));
}

ClaimValues decodeClaimFile(QByteArrayView bytes) {
    return claimValuesFromLines(splitClaimLines(Windows1252::decode(bytes)));
}

Result<ClaimValues> readClaimFile(const QString& path) {
    auto bytes = platform::readWholeFile(path, kMaxClaimFileBytes);
    if (!bytes)
        return Error{bytes.error()};
    return decodeClaimFile(*bytes);
}

Result<void> writeClaimFile(const QString& path, const ClaimValues& values) {
    auto bytes = encodeClaimFile(values);
    if (!bytes)
        return Error{bytes.error()};
    return platform::writeFileAtomically(path, *bytes);
}

} // namespace cw::model
