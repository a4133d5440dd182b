#include "platform/Services.h"

#include <algorithm>
#include <stdexcept>

#include "platform/KeyboardHook.h"

namespace vexmo::platform {

namespace {
Services* gServices = nullptr;
}

Services& services() {
    if (gServices == nullptr) throw std::logic_error("platform services used before setServices");
    return *gServices;
}

void setServices(Services* s) {
    gServices = s;
}
bool hasServices() {
    return gServices != nullptr;
}

double Services::uiScaleFor(const QSize& area) {
    if (area.width() > 2400 && area.height() > 1600) return 2.0;
    if (area.width() > 1800 && area.height() > 1200) return 1.5;
    return 1.0;
}

void Services::deliverHookKey(int vk, bool release) {
    if (vk == 0 || hooks_.empty()) return;
    const int64_t now = nowMs();
    for (KeyboardHook* hook : std::vector<KeyboardHook*>(hooks_))
        hook->deliver(vk, release, now);
}

void Services::addHook(KeyboardHook* hook) {
    if (std::find(hooks_.begin(), hooks_.end(), hook) == hooks_.end()) hooks_.push_back(hook);
}

void Services::removeHook(KeyboardHook* hook) {
    std::erase(hooks_, hook);
}

}  // namespace vexmo::platform
