#include "printing/PrintLog.h"

#include "platform/DebugOutput.h"

namespace cw::printing {

void printLog(const QString& message) {
    platform::debugOutput(kPrintLogPrefix + message);
}

} // namespace cw::printing
