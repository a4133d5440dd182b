#include "macros/MacroDeviceForm.h"

#include <algorithm>
#include <utility>

#include "buttons/KeyTables.h"

namespace vexmo {

namespace {

constexpr uint32_t kMaxStepDelayMs = 0xFFF;

std::array<uint8_t, 256> buildDeviceKeyCodes() {
    // The mouse takes the keyboard usages of key combinations, plus the Windows and the left and
    // right Shift, Ctrl and Alt keys, which combinations send as modifier bits instead. Right Alt
    // shares 0x46 with Print Screen.
    std::array<uint8_t, 256> codes{};
    for (int code = 0; code < 256; ++code)
        codes[code] = KeyUsage(static_cast<uint8_t>(code));
    codes[0x5B] = 0xE3;
    codes[0x5C] = 0xE7;
    const uint8_t modifiers[] = {0xE1, 0xE5, 0xE0, 0xE4, 0xE2, 0x46};  // 0xA0..0xA5
    std::copy(std::begin(modifiers), std::end(modifiers), codes.begin() + 0xA0);
    return codes;
}

// Step type (bits 6..4 of step byte 0) and argument for the action by its device code v.
std::pair<uint8_t, uint8_t> stepTypeAndArgument(uint8_t v, const MacroAction& action) {
    const auto bit = static_cast<uint8_t>(1u << (v & 7));
    if (v <= 0x90) return {0x30, v};             // keyboard key
    if (v <= 0xE7) return {0x20, bit};           // modifier key
    if (v == 0xF5) return {0x40, action.data2};  // horizontal move
    if (v == 0xF6) return {0x50, action.data2};  // vertical move
    if (v == 0xF7) return {0x60, action.data2};  // wheel
    return {0x10, bit};                          // mouse button, 0xF0..0xF4
}

}  // namespace

const std::array<uint8_t, 256>& DeviceKeyCodeTable() {
    static const std::array<uint8_t, 256> table = buildDeviceKeyCodes();
    return table;
}

std::vector<DeviceStep> DeviceSteps(const MacroRecord& macro) {
    const auto& table = DeviceKeyCodeTable();
    const size_t count = std::min<size_t>(macro.actionNum, MacroRecord::kMaxActions);
    std::vector<DeviceStep> steps;
    for (size_t i = 0; i < count; ++i) {
        const MacroAction& action = macro.actions[i];
        if (action.isDelay()) continue;
        uint32_t delay = 0;
        if (i + 1 < count && macro.actions[i + 1].isDelay()) {
            delay = std::min(macro.actions[i + 1].delayMs(), kMaxStepDelayMs);
        }
        const auto [type, argument] = stepTypeAndArgument(table[action.code], action);
        steps.push_back({static_cast<uint8_t>((action.flags & MacroAction::kReleaseBit) |
                                              ((delay >> 8) & 0x0F) | type),
                         static_cast<uint8_t>(delay & 0xFF), argument});
    }
    return steps;
}

MacroImage BuildMacroImage(const MacroRecord& macro, uint8_t deviceMacroNumber) {
    static_assert(4 + 3 * MacroRecord::kMaxActions <= kMacroImageSize);
    MacroImage image{};
    image[0] = 0x09;
    image[1] = 0x90;
    image[2] = deviceMacroNumber;
    image[3] = macro.commandActionNum;
    size_t offset = 4;
    for (const DeviceStep& step : DeviceSteps(macro)) {
        std::copy(step.begin(), step.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
        offset += step.size();
    }
    return image;
}

std::array<uint8_t, 3> MacroButtonCode(uint8_t deviceMacroNumber, const MacroRecord& macro) {
    return {0x90, static_cast<uint8_t>((deviceMacroNumber & 0x0F) | (macro.loopType << 4)),
            static_cast<uint8_t>(macro.loopType == 2 ? macro.loopNum : 0)};
}

}  // namespace vexmo
