#pragma once

// The release this program is: its version and the date it was built, which error reports,
// the version check and the About window show.

namespace cw::online {

// Month/day/year, as the main server writes the newest release's date.
inline constexpr char kBuildDate[] = "07/09/2009";
inline constexpr char kProgramVersion[] = "4.3";

} // namespace cw::online
