#include "app/SectionLayout.h"

namespace vexmo {

void SectionLayout::HeaderClicked(Section clicked, bool nowOpen) {
    open_[clicked] = nowOpen;
    if (!nowOpen) return;
    int seen = 0;
    for (int s = 0; s < kSectionCount && seen < 2; ++s) {
        if (s == clicked) continue;
        ++seen;
        if (isOpen(static_cast<Section>(s))) {
            for (int other = 0; other < kSectionCount; ++other)
                if (other != s && other != clicked) open_[other] = false;
            return;
        }
    }
}

int SectionLayout::headerTop(Section s) const {
    const int dpi = isOpen(kDpi) ? kContentHeight[kDpi] : 0;
    const int polling = isOpen(kPolling) ? kContentHeight[kPolling] : 0;
    switch (s) {
        case kDpi:
            return kDpiTop;
        case kPolling:
            return 67 + dpi;
        case kSensor:
            return 97 + dpi + polling;
        case kSystem:
            return (sensorShown_ ? 127 : 97) + dpi + polling +
                   (isOpen(kSensor) ? kContentHeight[kSensor] : 0);
        default:
            return 0;
    }
}

}  // namespace vexmo
