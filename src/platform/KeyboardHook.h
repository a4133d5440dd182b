// Key capture for recording and shortcut dialogs: while started, every key press and release in
// the program's windows reaches the target window as message 1025 (virtual-key code in wparam,
// 31-bit millisecond time stamp with bit 31 set for a release in lparam), through its queue.
#pragma once

#include <cstdint>

namespace vexmo::platform {

class Window;

class KeyboardHook {
public:
    KeyboardHook() = default;
    ~KeyboardHook();
    KeyboardHook(const KeyboardHook&) = delete;
    KeyboardHook& operator=(const KeyboardHook&) = delete;

    int StartHook(Window& target);  // 1; starting again retargets
    int StopHook();                 // 1; harmless when never started
    bool started() const { return target_ != nullptr; }

    // The lparam of a hook message: time stamp (wrapping at 2^31 ms) and release bit.
    static intptr_t makeLparam(int64_t nowMs, bool release);

private:
    friend class Services;
    void deliver(int vk, bool release, int64_t nowMs);
    Window* target_ = nullptr;
};

}  // namespace vexmo::platform
