#pragma once

// What --help and --version print.

#include <QString>

namespace cw::app {

QString usageText();

// The program's name and the version the build was made from, on one line.
QString versionText();

} // namespace cw::app
