#include "platform/KeyboardHook.h"

#include "platform/Services.h"
#include "platform/Window.h"

namespace vexmo::platform {

KeyboardHook::~KeyboardHook() {
    StopHook();
}

int KeyboardHook::StartHook(Window& target) {
    if (target_ == nullptr) services().addHook(this);
    target_ = &target;
    return 1;
}

int KeyboardHook::StopHook() {
    if (target_ != nullptr) {
        services().removeHook(this);
        target_ = nullptr;
    }
    return 1;
}

intptr_t KeyboardHook::makeLparam(int64_t nowMs, bool release) {
    intptr_t stamp = static_cast<intptr_t>(nowMs & 0x7FFFFFFF);
    return release ? (stamp | kHookReleaseBit) : stamp;
}

void KeyboardHook::deliver(int vk, bool release, int64_t nowMs) {
    if (target_ != nullptr) {
        target_->post(kHookKeyMessage, static_cast<uintptr_t>(vk & 0xFF),
                      makeLparam(nowMs, release));
    }
}

}  // namespace vexmo::platform
