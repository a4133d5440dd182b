#include "performance/SensorPageHolders.h"

namespace vexmo {

void SensorPageHolders::Load(const ProfileRecord& profile) {
    const long xDpi = profile.number(kXDpi);
    xDpiRadio = xDpi >= 0 && xDpi <= 5 ? static_cast<int>(xDpi) : 6;
    scrollWheelPage = profile.number(kScrollWheelPageEnable) == 1;
    scrollWheelSpeed = static_cast<int>(profile.number(kScrollWheelSpeed));
    pointerSpeed = static_cast<int>(profile.number(kPointerSpeed));
    doubleClickSpeed = static_cast<int>(profile.number(kDoubleClickSpeed));
    acceleration = profile.number(kAccelerationEnable) == 1;
    debounceSlider = static_cast<int>(profile.number(kKeyDebounce) / 2);
    const int mode = profile.lighting1ModeValue[0];
    if (mode < ProfileRecord::kModes) {
        lightingSpeed = profile.lighting1Speed[mode];
        lightingBrightness = profile.lighting1Brightness[mode];
        lightingDirectionUp = profile.lighting1Direction[mode] != 0;
    }
}

void SensorPageHolders::Store(ProfileRecord& profile) const {
    profile.setNumber(kXDpi, xDpiRadio);
    profile.setNumber(kScrollWheelPageEnable, scrollWheelPage ? 1 : 0);
    profile.setNumber(kScrollWheelSpeed, scrollWheelSpeed);
    profile.setNumber(kPointerSpeed, pointerSpeed);
    profile.setNumber(kDoubleClickSpeed, doubleClickSpeed);
    const int mode = profile.lighting1ModeValue[0];
    if (mode < ProfileRecord::kModes) {
        profile.lighting1Speed[mode] = static_cast<uint8_t>(lightingSpeed);
        profile.lighting1Brightness[mode] = static_cast<uint8_t>(lightingBrightness);
        profile.lighting1Direction[mode] = lightingDirectionUp ? 1 : 0;
    }
    profile.setNumber(kAccelerationEnable, acceleration ? 1 : 0);
    profile.setNumber(kKeyDebounce, 2 * debounceSlider);
}

}  // namespace vexmo
