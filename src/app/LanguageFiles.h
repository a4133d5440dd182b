// The language texts built into the program (UTF-8 sources, one "N=text" a line), from which the
// language files are installed into the data directory.
#pragma once

#include <string_view>

namespace vexmo {

enum class BuiltinLanguage { English, Chinese };

// The UTF-8 source of a built-in language, as embedded at build time.
std::string_view BuiltinLanguageSource(BuiltinLanguage language);

}  // namespace vexmo
