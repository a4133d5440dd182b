// Feeds arbitrary bytes to the profile file reader. Whatever it accepts must survive a write and a
// second read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFiles.h"
#include "settings/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = vexmo::fuzz::ScratchPath("in.psf");
    static const std::string output = vexmo::fuzz::ScratchPath("out.psf");
    vexmo::fuzz::WriteBytes(input, data, size);

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
