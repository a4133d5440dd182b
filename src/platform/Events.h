// Plain event records that pass between the platform backends and the windows: messages, mouse
// notices and key notices, all in the window's client coordinates.
#pragma once

#include <cstdint>

namespace vexmo::platform {

struct Message {
    uint32_t id = 0;
    uintptr_t wparam = 0;
    intptr_t lparam = 0;
};

// What a top-level window is: a skinned dialog, a menu-like popup (topmost tool window), or an
// overlay (topmost, translucent tool window that never takes the focus).
enum class WindowKind { Dialog, Popup, Overlay };

enum class MouseAction {
    Move,
    LeftDown,
    LeftUp,
    RightDown,
    RightUp,
    DoubleClick,  // left button; arrives between a LeftUp and the second LeftUp
    Hover,        // the pointer rested for the tracked delay (after trackMouse)
    Leave,        // the pointer left the window (after trackMouse)
};

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    int x = 0;
    int y = 0;
    bool leftHeld = false;  // the left button is down during this event
};

enum class KeyAction { Down, Up, Char };

struct KeyEvent {
    KeyAction action = KeyAction::Down;
    int vk = 0;       // virtual-key code for Down and Up (generic Shift/Ctrl/Alt)
    char16_t ch = 0;  // the character for Char
    int editId = -1;  // the edit field that has the focus, -1 for the window itself
    bool autoRepeat = false;
};

// The message a keyboard hook delivers, with the virtual-key code in wparam and the time stamp
// plus release bit in lparam.
constexpr uint32_t kHookKeyMessage = 1025;
constexpr intptr_t kHookReleaseBit = intptr_t{1} << 31;

}  // namespace vexmo::platform
