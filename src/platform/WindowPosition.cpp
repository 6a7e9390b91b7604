#include "platform/WindowPosition.h"

#include <algorithm>

namespace cw::platform {

QPoint placeInside(QPoint stored, QSize window, const QRect& workArea) {
    const auto fit = [](int at, int length, int start, int room) {
        return std::max(start, std::min(at, start + room - length));
    };
    return {fit(stored.x(), window.width(), workArea.left(), workArea.width()),
            fit(stored.y(), window.height(), workArea.top(), workArea.height())};
}

QPoint rememberedPosition(const UserRegistry& registry, const RememberedPosition& which,
                          QSize window, const QRect& workArea) {
    QPoint position = which.designed;
    const auto left = registry.readInteger(kWindowPositionsKey, which.leftValue);
    const auto top = registry.readInteger(kWindowPositionsKey, which.topValue);
    if (left && *left)
        position.setX(**left);
    if (top && *top)
        position.setY(**top);
    return workArea.isNull() ? position : placeInside(position, window, workArea);
}

void rememberPosition(UserRegistry& registry, const RememberedPosition& which, QPoint position) {
    if (registry.writeInteger(kWindowPositionsKey, which.leftValue, position.x()))
        (void)registry.writeInteger(kWindowPositionsKey, which.topValue, position.y());
}

} // namespace cw::platform
