#include "resources/ResourcePaths.h"

namespace cw::resources {

QString path(const Picture& picture) {
    return QStringLiteral(":/") + QLatin1StringView(picture.path);
}

} // namespace cw::resources
