// Where the program finds itself and keeps its files: the folder of the executable (skins lie
// beside it) and the per-user data folder.
#pragma once

#include <string>

namespace vexmo {

// $XDG_DATA_HOME (default ~/.local/share) + "/VexmoraData20240827B/", with a trailing '/'.
std::string DefaultDataDirectory();
// The folder of the resolved executable, with a trailing '/'; falls back to the folder of argv0.
std::string ExecutableDirectory(const char* argv0);
// Creates the data folder (one level) and its config folder when missing; failures are left to
// the file operations that follow, which fall back to defaults.
void EnsureDataDirectory(const std::string& dataDirectory);

}  // namespace vexmo
