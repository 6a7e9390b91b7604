#pragma once

// The .ub4 claim file: 505 field lines in catalogue order (the four billing-provider lines
// left out), an empty line, then the four provider lines, each after the "/autofill/" marker.
// Every line ends with CR LF; the text is Windows-1252.

#include "model/ClaimValues.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace cw::model {

inline constexpr int kClaimFileLineCount = 510;
inline constexpr int kFieldLineCount = 505;
// A claim file is a few kilobytes; anything this large is a wrong pick, not a claim.
inline constexpr qint64 kMaxClaimFileBytes = 16 * 1024 * 1024;
inline const QLatin1StringView kAutoFillMarker("/autofill/");

// Catalogue indices of edit1a, edit3a, edit2a and edit4a: the billing-provider lines, stored
// after the marker in this order.
inline constexpr std::array<int, 4> kProviderFieldIndices = {1, 2, 3, 4};

// The 510 lines of the claim, each ended by CR LF. Off-form fields always give empty lines.
QString buildClaimLines(const ClaimValues& values);

// Lines end at CR LF, a lone CR or a lone LF; a last line without an end still counts.
QStringList splitClaimLines(QStringView text);

// The claim that a file of these lines holds. Missing lines give empty values. A file in the
// layout buildClaimLines writes always reads back exactly what was written.
ClaimValues claimValuesFromLines(const QStringList& lines);

// The first field whose stored text Windows-1252 cannot hold.
struct UnencodableField {
    int fieldIndex;
    qsizetype position;
};
std::optional<UnencodableField> findUnencodableField(const ClaimValues& values);

// The file's bytes, or an error naming the field and the character that cannot be stored.
Result<QByteArray> encodeClaimFile(const ClaimValues& values);

// The claim the bytes of a claim file hold; every byte sequence reads as some claim.
ClaimValues decodeClaimFile(QByteArrayView bytes);

// Reading refuses files over kMaxClaimFileBytes before reading them.
Result<ClaimValues> readClaimFile(const QString& path);
// Nothing is written when the claim cannot be encoded; a failed write keeps the old file.
Result<void> writeClaimFile(const QString& path, const ClaimValues& values);

} // namespace cw::model
