#include "recovery/RecoveryFile.h"

#include "model/ClaimFile.h"

#include <QCoreApplication>
#include <QList>
#include <QStringDecoder>

#include <array>

namespace cw::recovery {

namespace {

const QByteArray kFirstLine = QByteArrayLiteral("Claimwright unsaved claim 1");
constexpr int kHeaderLines = 7; // the first line, five fields, the empty line
constexpr qsizetype kSha256Bytes = 32;

struct StateName {
    model::DocumentState state;
    const char* name;
};
constexpr std::array<StateName, 3> kStateNames = {{{model::DocumentState::New, "new"},
                                                   {model::DocumentState::Open, "open"},
                                                   {model::DocumentState::SaveAs, "saved-as"}}};

QByteArray nameOf(model::DocumentState state) {
    for (const StateName& s : kStateNames)
        if (s.state == state)
            return s.name;
    return {};
}

std::optional<model::DocumentState> stateNamed(const QByteArray& name) {
    for (const StateName& s : kStateNames)
        if (name == s.name)
            return s.state;
    return std::nullopt;
}

QByteArray field(const char* key, const QByteArray& value) {
    return QByteArray(key) + ' ' + value + '\n';
}

QByteArray flag(bool on) {
    return on ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

// The value of the header line "<key> <value>", or nothing when the line is another.
std::optional<QByteArray> valueOf(const QByteArray& line, const char* key) {
    const QByteArray prefix = QByteArray(key) + ' ';
    if (!line.startsWith(prefix))
        return std::nullopt;
    return line.sliced(prefix.size());
}

bool isFlag(char c) {
    return c == '0' || c == '1';
}

std::optional<QString> textOf(const QByteArray& line, const char* key) {
    const std::optional<QByteArray> value = valueOf(line, key);
    if (!value)
        return std::nullopt;
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(QByteArray::fromPercentEncoding(*value));
    if (decode.hasError())
        return std::nullopt;
    return text;
}

QByteArray diskText(const std::optional<platform::DiskVersion>& version) {
    if (!version)
        return QByteArrayLiteral("-");
    return QByteArray::number(version->size) + ' ' + version->sha256.toHex();
}

// Nothing inside for "-"; nothing at all for a value that is neither.
std::optional<std::optional<platform::DiskVersion>> diskOf(const QByteArray& line) {
    const std::optional<QByteArray> value = valueOf(line, "disk");
    if (value == "-")
        return std::optional<platform::DiskVersion>();
    const QList<QByteArray> parts = value.value_or(QByteArray()).split(' ');
    bool isNumber = false;
    const qint64 size = parts.value(0).toLongLong(&isNumber);
    const QByteArray sha256 = QByteArray::fromHex(parts.value(1));
    if (parts.size() != 2 || !isNumber || size < 0 || sha256.size() != kSha256Bytes ||
        sha256.toHex() != parts[1])
        return std::nullopt;
    return platform::DiskVersion{size, sha256};
}

Error notARecoveryFile() {
    return Error{QCoreApplication::translate("RecoveryFile",
                                             "The file is not a complete unsaved-claim file.")};
}

} // namespace

QByteArray recoveryFileBytes(const UnsavedClaim& claim) {
    const model::DocumentStatus& status = claim.status;
    QByteArray bytes;
    bytes.reserve(8192);
    bytes += kFirstLine + '\n';
    bytes += field("state", nameOf(status.state));
    bytes += field("file", status.currentFileName.toUtf8().toPercentEncoding());
    bytes += field("title", claim.title.toUtf8().toPercentEncoding());
    bytes += field("typed", flag(status.patientOrLinesTyped) + flag(status.samePatient));
    bytes += field("disk", diskText(claim.onDisk));
    bytes += '\n';
    bytes += model::buildClaimLines(claim.values).toUtf8();
    return bytes;
}

Result<UnsavedClaim> unsavedClaimFromBytes(const QByteArray& bytes) {
    QList<QByteArray> header;
    qsizetype start = 0;
    while (header.size() < kHeaderLines) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            return notARecoveryFile();
        header.append(bytes.sliced(start, end - start));
        start = end + 1;
    }
    const std::optional<model::DocumentState> state =
        stateNamed(valueOf(header[1], "state").value_or(QByteArray()));
    const std::optional<QString> fileName = textOf(header[2], "file");
    const std::optional<QString> title = textOf(header[3], "title");
    const std::optional<QByteArray> typed = valueOf(header[4], "typed");
    const auto onDisk = diskOf(header[5]);
    if (header[0] != kFirstLine || !state || !fileName || !title || !typed || typed->size() != 2 ||
        !isFlag(typed->at(0)) || !isFlag(typed->at(1)) || !onDisk || !header[6].isEmpty())
        return notARecoveryFile();

    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes.sliced(start));
    const QStringList lines = model::splitClaimLines(text);
    // A file cut short, however that came about, must not pass for a claim with empty fields.
    if (decode.hasError() || lines.size() != model::kClaimFileLineCount || !text.endsWith(u'\n'))
        return notARecoveryFile();

    UnsavedClaim claim;
    claim.values = model::claimValuesFromLines(lines);
    claim.status.state = *state;
    claim.status.currentFileName = *fileName;
    claim.status.modified = true;
    claim.status.patientOrLinesTyped = typed->at(0) == '1';
    claim.status.samePatient = typed->at(1) == '1';
    claim.title = *title;
    claim.onDisk = *onDisk;
    return claim;
}

} // namespace cw::recovery
