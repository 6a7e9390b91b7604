// The two texts the version check receives from the maker's server: the newest release's date
// and the installer's location. A date that reads is the date written back the same way; a
// location always gives a file name that stays inside the download folder and replaces none of
// the program's own files.

#include "FuzzCheck.h"
#include "model/Windows1252.h"
#include "online/UpdateDownload.h"
#include "online/VersionCheck.h"
#include "prefs/PreferencesFolders.h"

using namespace cw::online;
using cw::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Both answers arrive as Windows-1252 text.
    const QString text = cw::model::Windows1252::decode(cw::fuzz::bytesOf(data, size));

    if (const std::optional<QDate> date = versionDate(text.trimmed()))
        require(date->isValid() && versionDate(date->toString(u"MM/dd/yyyy")) == date);

    const QString name = installerFileName(text);
    require(!name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') &&
            !name.contains(u'\\') && name != u".." &&
            !name.endsWith(u".ub4", Qt::CaseInsensitive) &&
            name.compare(cw::prefs::kSeedFileName, Qt::CaseInsensitive) != 0);
    return 0;
}
