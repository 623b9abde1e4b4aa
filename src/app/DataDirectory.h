// The per-user data directory: %APPDATA%\<data_dir switch or "tlgame">. The browser cache
// lives in its "cache_data" folder.
#pragma once
#include <string>

namespace KRUI {

// Computed at the first call (from the switch table as it is then) and fixed for the rest
// of the process. The directory itself is not created. Empty when the path does not fit
// MAX_PATH (an over-long "data_dir"): callers then have no data directory at all, never a
// relative one.
std::wstring GetDataDirectory();

}  // namespace KRUI
