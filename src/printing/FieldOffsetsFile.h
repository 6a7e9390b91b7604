#pragma once

// The settings file of advanced alignment, "CWMAIN_Settings.ini": the field offsets that the
// user saved, in the section "Alignment" with the keys "Control NNN Top" (the up-shift) and
// "Control NNN Left" (the right-shift), NNN the catalogue index in three digits. A missing key
// means 0, and only the low 16 bits of a value count, as GetPrivateProfileInt reads them.
// Every change writes the whole file atomically and keeps its other sections and keys.
//
// The file sits beside the program when the program's folder can be written; a program
// installed in a system folder keeps it in the per-user config folder instead.

#include "platform/Result.h"
#include "printing/FieldOffsets.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <functional>

namespace cw::platform {
class IniFile;
}

namespace cw::printing {

inline constexpr QLatin1StringView kFieldOffsetsFileName("CWMAIN_Settings.ini");
inline constexpr char kAlignmentSection[] = "Alignment";

// "Control 012 Top" and "Control 012 Left" for catalogue index 12.
QByteArray topKey(int catalogueIndex);
QByteArray leftKey(int catalogueIndex);

// The settings file of a program in programFolder: beside it when the folder can be written,
// otherwise in the per-user config folder (which is created).
QString fieldOffsetsFilePath(const QString& programFolder);

class FieldOffsetsFile {
public:
    explicit FieldOffsetsFile(QString path);

    const QString& path() const { return m_path; }

    // loadFieldOffsets: every field's offsets; a missing file reads as all 0. Fails only when
    // the file is there but cannot be read.
    Result<FieldOffsets> load() const;

    // saveFieldOffsets: writes the field's two keys (also at 0), then sets its offsets in
    // memory. When the file cannot be written, neither the file nor the offsets change.
    Result<void> save(int catalogueIndex, qint16 upShift, qint16 rightShift,
                      FieldOffsets& offsets) const;

    // resetAllFieldOffsets, once the user has confirmed it: removes every field's two keys
    // and sets every offset in memory to 0; the file's other sections and keys stay. When the
    // file cannot be written, neither the file nor the offsets change.
    Result<void> resetAll(FieldOffsets& offsets) const;

private:
    // Opens the file, lets edit change it and writes it whole when edit says it changed it;
    // a failure is told after whatFailed.
    Result<void> change(const QString& whatFailed,
                        const std::function<Result<bool>(platform::IniFile&)>& edit) const;

    QString m_path;
};

} // namespace cw::printing
