#include "onlinewindows/Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace cw::onlinewindows {

void openUrlInBrowser(const QString& url) {
    (void)QDesktopServices::openUrl(QUrl(url));
}

} // namespace cw::onlinewindows
