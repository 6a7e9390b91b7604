#pragma once

// The text every unexpected error is shown with, naming the support telephone number.

#include <QString>

namespace cw::platform {

// "There has been an error in the program.", the description, and whom to call; the lines are
// separated by CR LF.
QString programErrorText(const QString& description);

} // namespace cw::platform
