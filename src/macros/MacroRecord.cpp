#include "macros/MacroRecord.h"

#include <algorithm>

namespace vexmo {

namespace {

// actionNum as far as the action array reaches; a record is never read past its 200 actions.
size_t usedActions(const MacroRecord& record) {
    return std::min<size_t>(record.actionNum, MacroRecord::kMaxActions);
}

}  // namespace

bool MacroRecord::SetAction(size_t index, MacroAction action) {
    if (index >= kMaxActions) return false;
    actions[index] = action;
    return true;
}

bool MacroRecord::InsertAction(size_t index, MacroAction action) {
    if (actionNum >= kMaxActions) return false;
    if (index >= actionNum) {
        actions[actionNum] = action;
    } else {
        // The action at 199 drops off; it cannot be a used one since actionNum < 200.
        std::move_backward(actions.begin() + index, actions.end() - 1, actions.end());
        actions[index] = action;
    }
    ++actionNum;
    return true;
}

bool MacroRecord::DeleteAction(size_t index) {
    if (index >= usedActions(*this)) return false;
    std::move(actions.begin() + index + 1, actions.end(), actions.begin() + index);
    actions.back() = MacroAction{};
    --actionNum;
    return true;
}

void MacroRecord::CopyMacroContent(const MacroRecord& from) {
    loopType = from.loopType;
    loopNum = from.loopNum;
    commandActionNum = from.commandActionNum;
    name = from.name;
    actionNum = from.actionNum;
    actions = from.actions;
}

uint8_t MacroRecord::CountDeviceSteps() const {
    const auto end = actions.begin() + static_cast<std::ptrdiff_t>(usedActions(*this));
    const auto steps =
        std::count_if(actions.begin(), end, [](const MacroAction& a) { return !a.isDelay(); });
    return static_cast<uint8_t>(std::min<std::ptrdiff_t>(steps, kMaxDeviceSteps));
}

}  // namespace vexmo
