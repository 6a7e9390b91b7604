#pragma once

#include <chrono>

namespace cw::desktop {

// How long a later start waits for the running copy to take its request. Carrying the request
// out is waited for without a limit, since it may wait for the user.
inline constexpr std::chrono::milliseconds kAnswerWait{5000};

} // namespace cw::desktop
