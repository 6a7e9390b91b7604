// Writing one key of an INI file keeps every other section and key as it read before, and the
// written file reads back as it was saved. The input is the file, then the write: its value
// bytes, their count, and two bytes that pick the section and the key among those of the file
// (or new ones).

#include "FuzzCheck.h"
#include "platform/IniFile.h"

#include <QHash>

#include <array>
#include <vector>

using cw::fuzz::require;
using cw::platform::IniFile;
using cw::platform::IniSection;

namespace {

const QString kPath = QStringLiteral("settings.ini");
const QByteArray kAbsent = QByteArrayLiteral("\x01"
                                             "absent");
const QByteArray kProbe = QByteArrayLiteral("\x01"
                                            "probe");

struct Name {
    QByteArray section;
    QByteArray key;
};

// The section and key names the lines appear to hold, found without IniFile's own reading:
// every "[name" line and every "name=" line after it.
std::vector<Name> namesIn(QByteArrayView file) {
    std::vector<Name> names;
    QByteArray section;
    for (const QByteArray& line : file.toByteArray().split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            section = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
        } else if (const qsizetype equals = text.indexOf('='); equals >= 0) {
            names.push_back({section, text.left(equals).trimmed()});
        }
    }
    return names;
}

struct Write {
    QByteArrayView file;
    Name name;
    QByteArrayView value;
};

Write writeOf(QByteArrayView input) {
    if (input.size() < 3)
        return {input, {"Fuzzed", "Key"}, "value"};
    const auto byteAt = [&input](qsizetype i) {
        return static_cast<unsigned char>(input[i]);
    };
    const unsigned sectionPick = byteAt(input.size() - 1);
    const unsigned keyPick = byteAt(input.size() - 2);
    const qsizetype valueSize =
        std::min<qsizetype>(byteAt(input.size() - 3) % 32, input.size() - 3);
    const QByteArrayView file = input.first(input.size() - 3 - valueSize);
    const QByteArrayView value = input.sliced(file.size(), valueSize);

    const std::vector<Name> names = namesIn(file);
    Name name{"Fuzzed", "Key"};
    if (!names.empty()) {
        if (sectionPick % 4 != 0)
            name.section = names[sectionPick % names.size()].section;
        if (keyPick % 4 != 0)
            name.key = names[keyPick % names.size()].key;
    }
    return {file, name, value};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Write write = writeOf(cw::fuzz::bytesOf(data, size));
    const IniFile before = IniFile::fromBytes(kPath, write.file);

    IniFile changed = before;
    const cw::Result<void> written =
        changed.writeString(write.name.section, write.name.key, write.value);
    if (!written) {
        require(changed.toBytes() == before.toBytes());
        return 0;
    }
    const IniFile reread = IniFile::fromBytes(kPath, changed.toBytes());
    require(reread.toBytes() == changed.toBytes());

    // A name reads the written key when a marker written there shows through it. Each
    // section is read once, in one pass: a search of the file for every key would make a long
    // input take quadratic time.
    IniFile probe = before;
    require(probe.writeString(write.name.section, write.name.key, kProbe).ok());
    QHash<QByteArray, std::array<IniSection, 3>> sections;
    for (const Name& name : namesIn(write.file)) {
        auto found = sections.find(name.section);
        if (found == sections.end())
            found = sections.insert(name.section,
                                    {before.section(name.section), reread.section(name.section),
                                     probe.section(name.section)});
        const auto& [old, now, probed] = *found;
        if (probed.readString(name.key, kAbsent) != kProbe)
            require(now.readString(name.key, kAbsent) == old.readString(name.key, kAbsent));
    }
    const QByteArray value = reread.readString(write.name.section, write.name.key, kAbsent);
    require(value == changed.readString(write.name.section, write.name.key, kAbsent));
    require(value == reread.section(write.name.section).readString(write.name.key, kAbsent));
    return 0;
}
