// Feeds arbitrary bytes to the macro library reader. Whatever it accepts must survive a write
// and a second read unchanged.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "FuzzFiles.h"
#include "macros/MacroLibraryFile.h"

namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = vexmo::fuzz::ScratchPath("in.mlf");
    static const std::string first = vexmo::fuzz::ScratchPath("1.mlf");
    static const std::string second = vexmo::fuzz::ScratchPath("2.mlf");
    vexmo::fuzz::WriteBytes(input, data, size);

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
