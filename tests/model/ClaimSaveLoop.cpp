// Saves two claims over one file in turn until it is killed, for the kill test of saving:
//     claim_save_loop TARGET FIRST.ub4 SECOND.ub4

#include "model/ClaimFile.h"

#include <QFile>

#include <array>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const QString target = QFile::decodeName(argv[1]);
    std::array<cw::model::ClaimValues, 2> claims;
    for (std::size_t i = 0; i < claims.size(); ++i) {
        auto read = cw::model::readClaimFile(QFile::decodeName(argv[i + 2]));
        if (!read)
            return 1;
        claims[i] = *read;
    }
    for (std::size_t turn = 0;; turn = 1 - turn)
        if (!cw::model::writeClaimFile(target, claims[turn]))
            return 1;
}
