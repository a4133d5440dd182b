// Feeds arbitrary bytes to the profile file reader. Whatever it accepts must survive a write and a
// second read unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "settings/ProfileFile.h"

namespace {

std::string tempPath(const char* suffix) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/vexmo-psf-fuzz-" +
           std::to_string(getpid()) + suffix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = tempPath(".in");
    static const std::string output = tempPath(".out");
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    vexmo::ProfileRecord record;
    if (!vexmo::ReadProfileFile(record, input)) return 0;
    for (const auto& button : record.buttons) {
        if (button.macro.actionNum > vexmo::MacroRecord::kMaxActions ||
            button.macro.commandActionNum > vexmo::MacroRecord::kMaxDeviceSteps) {
            std::abort();
        }
    }
    if (!vexmo::SaveProfileFile(record, output)) std::abort();
    vexmo::ProfileRecord again;
    if (!vexmo::ReadProfileFile(again, output) || !(again == record)) std::abort();
    return 0;
}
