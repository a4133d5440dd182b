// The values the main window keeps for settings that have no visible control: loaded from the
// profile by the display refresh and written back by the page write, with the conversions that
// a radio, check or slider of a fixed range imposes on them.
#pragma once

#include <cstdint>

#include "settings/ProfileRecord.h"

namespace vexmo {

struct SensorPageHolders {
    // Sliders keep whatever value they are given, so a value outside a slider's stops (possible
    // only from an edited file) is written back unchanged.
    int xDpiRadio = 0;  // 0..5, or 6 for any other stored value
    bool scrollWheelPage = false;
    int scrollWheelSpeed = 0;
    int pointerSpeed = 0;
    int doubleClickSpeed = 0;
    bool acceleration = false;
    int debounceSlider = 0;  // half the stored debounce, rounded towards zero
    int lightingSpeed = 0;
    int lightingBrightness = 0;
    bool lightingDirectionUp = false;

    // The display refresh: the holders take the profile's values.
    void Load(const ProfileRecord& profile);
    // The page write for these holders (the visible controls are written by their owner).
    void Store(ProfileRecord& profile) const;
};

}  // namespace vexmo
