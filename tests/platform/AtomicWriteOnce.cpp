// One atomic write and nothing else, for tests that watch its system calls:
//     atomic_write_once TARGET TEXT

#include "platform/FileAccess.h"

#include <QFile>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    return cw::platform::writeFileAtomically(QFile::decodeName(argv[1]), argv[2]).ok() ? 0 : 1;
}
