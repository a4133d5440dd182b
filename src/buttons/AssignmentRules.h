// Storing a chosen function into a profile's button and the rule that one button always keeps
// the left click.
#pragma once

#include "base/Text.h"
#include "settings/ProfileRecord.h"

namespace vexmo {

class LanguageTable;

// The main window's button slot controls: control 2013 + n edits button n.
constexpr int kFirstButtonSlotControl = 2013;
constexpr int kLastButtonSlotControl = kFirstButtonSlotControl + ProfileRecord::kButtons - 1;

// Sets the name and code of the slot's button and replaces its macro copy with macroSource (or
// empties the copy's actions, keeping macroKeyIndex). False, storing nothing, for a control that
// is not a button slot.
bool StoreAssignment(ProfileRecord& record, int slotControlId, TextView name, ButtonCode code,
                     const MacroRecord* macroSource);

enum class LeftClickOutcome {
    UploadButtons,     // some button has the left click: send the buttons to the mouse
    LeftClickRestored  // none had: the slot's button was given the left click back; warn
};

// Run after every stored assignment. When no button keeps the left click, the slot's button gets
// it back (language text 20, code 0x10 0x01 0x00); the caller then shows that name on the slot
// and starts the warning instead of an upload.
LeftClickOutcome EnsureLeftClick(ProfileRecord& record, int slotControlId,
                                 const LanguageTable& language);

}  // namespace vexmo
