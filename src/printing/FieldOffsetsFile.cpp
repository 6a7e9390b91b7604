#include "printing/FieldOffsetsFile.h"

#include "platform/IniFile.h"
#include "platform/KnownFolders.h"

#include <QCoreApplication>

namespace cw::printing {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("FieldOffsetsFile", text);
}

QByteArray controlKey(int catalogueIndex, const char* edge) {
    return QByteArrayLiteral("Control ") +
           QByteArray::number(catalogueIndex).rightJustified(3, '0') + ' ' + edge;
}

} // namespace

QByteArray topKey(int catalogueIndex) {
    return controlKey(catalogueIndex, "Top");
}

QByteArray leftKey(int catalogueIndex) {
    return controlKey(catalogueIndex, "Left");
}

QString fieldOffsetsFilePath(const QString& programFolder) {
    return platform::folderBesideProgram(programFolder, platform::userConfigFolder()) +
           kFieldOffsetsFileName;
}

FieldOffsetsFile::FieldOffsetsFile(QString path)
    : m_path(std::move(path)) {}

Result<FieldOffsets> FieldOffsetsFile::load() const {
    const Result<platform::IniFile> file = platform::IniFile::open(m_path);
    if (!file)
        return Error{tr("The alignment of single fields cannot be read, so every field prints "
                        "without it. %1")
                         .arg(file.error())};
    FieldOffsets offsets;
    if (!file->hasSection(kAlignmentSection))
        return offsets;
    const platform::IniSection alignment = file->section(kAlignmentSection);
    for (int i = 0; i < model::kFieldCount; ++i)
        offsets.set(i, alignment.readInteger(topKey(i), 0), alignment.readInteger(leftKey(i), 0));
    return offsets;
}

Result<void> FieldOffsetsFile::save(int catalogueIndex, qint16 upShift, qint16 rightShift,
                                    FieldOffsets& offsets) const {
    const Result<void> written =
        change(tr("The alignment of this field was not saved."), [&](platform::IniFile& ini) {
            for (const auto& [key, value] : {std::pair{topKey(catalogueIndex), upShift},
                                             std::pair{leftKey(catalogueIndex), rightShift}})
                if (Result<void> line =
                        ini.writeString(kAlignmentSection, key, QByteArray::number(value));
                    !line)
                    return Result<bool>(Error{line.error()});
            return Result<bool>(true);
        });
    if (!written)
        return written;
    offsets.set(catalogueIndex, upShift, rightShift);
    return {};
}

Result<void> FieldOffsetsFile::resetAll(FieldOffsets& offsets) const {
    const Result<void> written =
        change(tr("The alignment of the fields was not reset."), [](platform::IniFile& ini) {
            // Without the section there is no key to remove and nothing to write; the offsets
            // in memory go to 0 all the same, as the user asked.
            if (!ini.hasSection(kAlignmentSection))
                return Result<bool>(false);
            for (int i = 0; i < model::kFieldCount; ++i) {
                ini.removeKey(kAlignmentSection, topKey(i));
                ini.removeKey(kAlignmentSection, leftKey(i));
            }
            return Result<bool>(true);
        });
    if (!written)
        return written;
    offsets = FieldOffsets();
    return {};
}

Result<void>
FieldOffsetsFile::change(const QString& whatFailed,
                         const std::function<Result<bool>(platform::IniFile&)>& edit) const {
    const auto failed = [&whatFailed](const QString& reason) {
        return Error{whatFailed + u' ' + reason};
    };
    Result<platform::IniFile> file = platform::IniFile::open(m_path);
    if (!file)
        return failed(file.error());
    platform::IniFile ini = std::move(file).value();
    const Result<bool> changed = edit(ini);
    if (!changed)
        return failed(changed.error());
    if (*changed)
        if (const Result<void> saved = ini.save(); !saved)
            return failed(saved.error());
    return {};
}

} // namespace cw::printing
