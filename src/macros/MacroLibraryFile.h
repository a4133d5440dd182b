// The macro library file (and the macro export files, which share its format): UTF-16LE lines
// with the library's next key index, a selected location and one block per used slot.
#pragma once

#include <cstdint>
#include <string>

#include "macros/MacroLibrary.h"

namespace vexmo {

struct MacroLibraryReadResult {
    bool success = false;
    uint32_t nextKeyIndex = 0;  // what the library holds after the read
    MacroLocation selected;     // line 3; none() when it was not read or names no slot
};

// Writes every used slot of the library, with `selected` in line 3 (the library file itself is
// written with none()). False when the file could not be written; an old file then stays.
bool WriteMacroLibraryFile(const std::string& path, const MacroLibrary& library,
                           const MacroLocation& selected);

// Rebuilds the library from the file. A file that cannot be opened leaves the library as it
// was; a malformed line ends the load with the items read so far (success false).
MacroLibraryReadResult ReadMacroLibraryFile(const std::string& path, MacroLibrary& library);

}  // namespace vexmo
