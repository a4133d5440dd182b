// The profile file: one ProfileRecord as 93 UTF-16LE text lines, read by position.
#pragma once

#include <string>

#include "settings/ProfileRecord.h"

namespace vexmo {

struct ConfigModel;

// Writes the record to path; false when the file could not be written (the old file stays).
bool SaveProfileFile(const ProfileRecord& record, const std::string& path);
// Reads a whole profile file into the record; false when the file is missing, malformed or
// truncated (the fields read before the fault keep their new values).
bool ReadProfileFile(ProfileRecord& record, const std::string& path);
// Reads path into the slot; when that fails the slot takes the factory defaults, which are
// written to the slot's own path entry (not to path), and the result is false.
bool LoadProfileFile(ConfigModel& model, int slot, const std::string& path);

}  // namespace vexmo
