#include "device/ProfilePayloads.h"

#include <bit>

#include "performance/DpiStepTable.h"

namespace vexmo {

namespace {

uint8_t lowByte(long value) {
    return static_cast<uint8_t>(value & 0xFF);
}

// Writes a colour as R, G, B.
void putColour(uint8_t* at, Colour colour) {
    at[0] = redOf(colour);
    at[1] = greenOf(colour);
    at[2] = blueOf(colour);
}

// The device value of a level's step. A step index past the table (possible only from an edited
// profile file) sends the last step rather than reading past the table; with no table (unknown
// sensor) the index itself goes out.
uint16_t deviceValueOfStep(const DpiStepTable& steps, uint16_t index) {
    if (steps.count() <= 0) return index;
    const int last = steps.count() - 1;
    return steps.deviceValue(std::min<int>(index, last));
}

}  // namespace

ButtonImage BuildButtonImage(const ProfileRecord& profile) {
    ButtonImage image{};
    for (int d = 0; d < 6; ++d) {
        const auto& code = profile.buttons[kDeviceButtonOrder[d]].code;
        for (int b = 0; b < 3; ++b)
            image[3 * d + b] = code[b];
    }
    return image;
}

DpiImage BuildDpiImage(const ProfileRecord& profile, const DpiStepTable& steps) {
    DpiImage image{};
    const int enabled = std::popcount(profile.dpiOffOnFlag);
    image[0] = static_cast<uint8_t>((profile.currentDpiLevel + 1) * 16 + enabled);
    image[1] = profile.dpiOffOnFlag;
    for (int k = 0; k < 6; ++k) {
        const uint16_t value = deviceValueOfStep(steps, profile.xySetting[k]);
        image[2 + 2 * k] = static_cast<uint8_t>(value & 0xFF);
        image[3 + 2 * k] = static_cast<uint8_t>(value >> 8);
    }
    return image;
}

ColourImage BuildColourImage(const ProfileRecord& profile) {
    ColourImage image{};
    for (int k = 0; k < 8; ++k)
        putColour(&image[3 * k], profile.dpiLevelIndication[k]);
    return image;
}

uint8_t PollingCodeOfIndex(uint8_t index) {
    switch (index) {
        case 0:
            return 8;
        case 1:
            return 4;
        case 2:
            return 2;
        default:
            return 1;
    }
}

uint8_t PollingCode(const ProfileRecord& profile) {
    return PollingCodeOfIndex(profile.pollingRateValue[0]);
}

uint8_t LiftOffCode(const ProfileRecord& profile) {
    return profile.number(kLiftDetectionHeight) == 1 ? 1 : 2;
}

uint8_t DebounceValue(const ProfileRecord& profile) {
    return lowByte(profile.number(kKeyDebounce));
}

LightingImage BuildLightingImage(const ProfileRecord& profile) {
    LightingImage image{};
    const int mode = profile.lighting1ModeValue[0];
    // Modes past the ten the profile stores have no parameters: nothing but the zero length.
    if (mode >= ProfileRecord::kModes) return image;

    uint8_t* payload = &image[1];  // report byte 7
    const uint8_t speed = profile.lighting1Speed[mode];
    const uint8_t brightness = profile.lighting1Brightness[mode];
    payload[0] = static_cast<uint8_t>(mode);
    payload[1] = static_cast<uint8_t>((brightness + 1) * 16 + ((speed + 1) & 0x0F));
    const auto& selected = profile.lighting1ColorSelected[mode];
    const auto& colours = profile.lighting1FixedColor[mode];
    uint8_t length = 2;
    switch (mode) {
        case 1:
            payload[2] = profile.lighting1Direction[1];
            length = 3;
            break;
        case 2: {
            uint8_t n = 0;
            for (int slot = 0; slot < 7; ++slot) {
                if (selected[slot] && colours[slot] != 0)
                    putColour(&payload[3 + 3 * n++], colours[slot]);
            }
            payload[2] = n;
            length = static_cast<uint8_t>(3 + 3 * n);
            break;
        }
        case 3:
            putColour(&payload[2], colours[0]);
            length = 5;
            break;
        case 6:
            for (int slot = 0; slot < 7; ++slot)
                if (selected[slot]) putColour(&payload[2 + 3 * slot], colours[slot]);
            length = 23;
            break;
        case 7:
            for (int slot = 0; slot < 2; ++slot)
                if (selected[slot]) putColour(&payload[2 + 3 * slot], colours[slot]);
            length = 8;
            break;
        default:
            break;
    }
    image[0] = length;
    return image;
}

PowerImage BuildPowerImage(const ProfileRecord& profile) {
    return {lowByte(profile.number(kPowerDownTime)),
            lowByte(profile.number(kMoveLightingOnOffMode))};
}

uint8_t MotionWakeupValue(const ProfileRecord& profile) {
    return lowByte(profile.number(kMotionWakeup));
}

}  // namespace vexmo
