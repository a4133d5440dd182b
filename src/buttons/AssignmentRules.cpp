#include "buttons/AssignmentRules.h"

#include <algorithm>

#include "buttons/ButtonCatalogue.h"

namespace vexmo {

namespace {

bool isLeftClick(const ButtonAssignment& button) {
    return button.code[0] == static_cast<uint8_t>(ButtonFunctionType::MouseButton) &&
           button.code[1] == 0x01;
}

}  // namespace

bool StoreAssignment(ProfileRecord& record, int slotControlId, TextView name, ButtonCode code,
                     const MacroRecord* macroSource) {
    if (slotControlId < kFirstButtonSlotControl || slotControlId > kLastButtonSlotControl) {
        return false;
    }
    ButtonAssignment& button = *record.button(slotControlId - kFirstButtonSlotControl);
    button.name = Text(name);
    button.code = code;
    SetButtonMacro(button, macroSource);
    if (macroSource != nullptr) button.macroKeyIndex = macroSource->macroKeyIndex;
    return true;
}

LeftClickOutcome EnsureLeftClick(ProfileRecord& record, int slotControlId,
                                 const LanguageTable& language) {
    if (std::any_of(record.buttons.begin(), record.buttons.end(), isLeftClick)) {
        return LeftClickOutcome::UploadButtons;
    }
    // The button menu's first item is the left click.
    const ButtonFunction leftClick = *MenuFunction(ButtonMenuItems().front(), language);
    StoreAssignment(record, slotControlId, leftClick.name, leftClick.code, nullptr);
    return LeftClickOutcome::LeftClickRestored;
}

}  // namespace vexmo
