// Virtual-key codes of the keys the program's key-name tables know, from a key's physical position
// (Linux evdev code) or, where no position is known, from Qt's key value.
#pragma once

namespace vexmo::platform {

// Virtual-key code of an evdev key code (linux/input-event-codes.h), 0 for keys without one.
// Left and right Shift, Ctrl, Alt and Meta give 0xA0..0xA5, 0x5B and 0x5C; the keypad digits and
// point give Num0..Num9 and Decimal whatever the Num Lock state.
int vkFromEvdev(int evdevCode);

// Virtual-key code of a Qt::Key value, 0 when unknown. Shift, Ctrl and Alt give the generic codes
// 0x10..0x12 unless sided is set, then the left-hand codes (a position cannot be told from it).
int vkFromQtKey(int qtKey, bool keypad, bool sided);

// The generic Shift, Ctrl and Alt codes (0x10..0x12) for their left- and right-hand codes; other
// codes unchanged.
int genericVk(int vk);

}  // namespace vexmo::platform
