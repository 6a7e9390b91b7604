#pragma once

// The addresses on the maker's two servers, from the hosts in the makers' values.

#include "platform/MakerValues.h"

#include <QString>

namespace cw::online {

inline QString mainServerUrl(const QString& pathAndQuery) {
    return QStringLiteral("http://") + platform::makerValues().webHost + pathAndQuery;
}

inline QString suggestionServerUrl(const QString& pathAndQuery) {
    return QStringLiteral("http://") + platform::makerValues().suggestionHost + pathAndQuery;
}

} // namespace cw::online
