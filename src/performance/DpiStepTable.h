// The selectable DPI steps of the mouse's sensor: the resolution of each step (in units of 50 DPI),
// the value the device receives for it, and whether the sensor has the extra sensor options.
#pragma once

#include <cstdint>
#include <vector>

namespace vexmo {

class DpiStepTable {
public:
    // Rebuilds the table for the sensor; an unknown sensor leaves the table as it was and
    // returns false.
    bool Build(uint16_t sensorId);
    static bool IsKnownSensor(uint16_t sensorId);

    int count() const { return static_cast<int>(steps_.size()); }
    // Step value of step i (resolution / 50); 0 for a step outside the table.
    uint32_t stepValue(int i) const;
    // Resolution of step i in DPI; 0 for a step outside the table.
    uint32_t resolution(int i) const { return stepValue(i) * 50; }
    // What the device receives for step i: i, or i + 1 for the sensors that count from 1.
    uint16_t deviceValue(int i) const;
    // True for the sensors whose option section (lift-off distance) is shown.
    bool capability() const { return capability_; }

    // Level number of the (p + 1)-th enabled level of the flags (bit k = level k enabled),
    // counting from bit 0; -1 when fewer than p + 1 levels are enabled or p is negative.
    static int LevelOfPosition(uint8_t flags, int p);

private:
    std::vector<uint32_t> steps_;
    uint16_t deviceOffset_ = 0;
    bool capability_ = false;
};

}  // namespace vexmo
