// The per-user registry file: what parses is written to a text that parses to the same keys
// and values and is written again byte for byte; what does not parse is refused with a message.

#include "FuzzCheck.h"
#include "platform/RegistryText.h"

using namespace cw::platform;
using cw::fuzz::require;

namespace {

const QString kPath = QStringLiteral("registry.txt");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const cw::Result<RegistryStore> parsed =
        parseRegistryText(cw::fuzz::bytesOf(data, size), kPath);
    if (!parsed) {
        require(!parsed.error().isEmpty());
        return 0;
    }
    const QByteArray written = registryText(*parsed);
    const cw::Result<RegistryStore> reparsed = parseRegistryText(written, kPath);
    require(reparsed.ok() && *reparsed == *parsed);
    require(registryText(*reparsed) == written);
    return 0;
}
