// Feeds arbitrary bytes to the macro library reader. Whatever it accepts must survive a write
// and a second read unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "macros/MacroLibraryFile.h"

namespace {

std::string tempPath(const char* suffix) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/vexmo-mlf-fuzz-" +
           std::to_string(getpid()) + suffix;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = tempPath(".in");
    static const std::string first = tempPath(".1");
    static const std::string second = tempPath(".2");
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    vexmo::MacroLibrary library;
    const auto read = vexmo::ReadMacroLibraryFile(input, library);
    if (!vexmo::WriteMacroLibraryFile(first, library, read.selected)) std::abort();

    vexmo::MacroLibrary again;
    const auto reread = vexmo::ReadMacroLibraryFile(first, again);
    if (!reread.success || reread.selected != read.selected ||
        again.nextKeyIndex() != library.nextKeyIndex() ||
        again.VisibleRowCount() != library.VisibleRowCount()) {
        std::abort();
    }
    if (!vexmo::WriteMacroLibraryFile(second, again, reread.selected)) std::abort();
    if (readBytes(first) != readBytes(second)) std::abort();
    return 0;
}
