#pragma once

// Web pages open in the desktop's default browser.

#include <QString>

namespace cw::onlinewindows {

// Shows the page; a desktop without a browser leaves it unshown, and nothing is reported.
void openUrlInBrowser(const QString& url);

} // namespace cw::onlinewindows
