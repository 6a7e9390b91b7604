// Any bytes read as a claim file give a claim that is written and read back unchanged: the
// file is the claim's only copy, so a value that does not survive a save is lost.

#include "FuzzCheck.h"
#include "model/ClaimFile.h"

using namespace cw::model;
using cw::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ClaimValues read = decodeClaimFile(cw::fuzz::bytesOf(data, size));
    // Every character the decoder gives can be encoded again.
    const cw::Result<QByteArray> written = encodeClaimFile(read);
    require(written.ok());
    const ClaimValues reread = decodeClaimFile(*written);
    // Fields off the form are not stored; every other value comes back as it was read. (The
    // writer leaves those fields out, so the second file would be the first byte for byte.)
    for (int i = 0; i < kFieldCount; ++i)
        require(reread[i] == (FieldCatalogue::isOffForm(i) ? QString() : read[i]));
    return 0;
}
