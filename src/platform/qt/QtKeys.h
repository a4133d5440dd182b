// Virtual-key codes of Qt key events: from the key's physical position where the platform gives
// it (xcb and Wayland scan codes are evdev codes plus 8), else from Qt's key value.
#pragma once

class QKeyEvent;

namespace vexmo::platform::qt {

// sided: left and right modifiers told apart (keyboard hooks); otherwise the generic codes
// (key filters).
int vkFromKeyEvent(const QKeyEvent& event, bool sided);
// Same from the raw values, for platforms whose scan codes are evdev codes plus 8.
int vkFromKeyValues(int qtKey, bool keypad, unsigned nativeScanCode, bool scanIsEvdev, bool sided);

}  // namespace vexmo::platform::qt
