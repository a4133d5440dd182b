#include "performance/DpiStepTable.h"

#include <algorithm>
#include <initializer_list>

namespace vexmo {

namespace {

// A run of step values: first to last (inclusive) in steps of increment.
struct Run {
    uint32_t first, last, increment;
};

struct Sensor {
    uint16_t id;
    std::initializer_list<Run> runs;
    uint16_t deviceOffset;
    bool capability;
};

const Sensor kSensors[] = {
    {0x3104,
     {{2, 80, 2}, {90, 90, 1}, {96, 96, 1}, {110, 120, 10}, {128, 128, 1}, {140, 160, 10}},
     0,
     false},
    {0x3212, {{4, 48, 2}, {60, 96, 2}}, 1, false},
    {0x3311, {{2, 240, 2}}, 1, false},
    {0x3325, {{4, 100, 2}, {110, 120, 10}, {128, 128, 1}, {140, 200, 10}}, 1, false},
    {0x3327, {{4, 124, 2}, {130, 240, 10}, {248, 248, 1}}, 1, false},
    {0x3335, {{2, 320, 2}}, 0, true},
    {0x3360, {{2, 240, 2}, {480, 480, 1}}, 0, true},
    {0x3370, {{1, 200, 1}, {202, 380, 2}}, 0, true},
    {0x3389, {{2, 320, 2}}, 0, true},
    {0x3395, {{1, 520, 1}}, 0, true},
    {0x3399, {{1, 400, 1}}, 0, true},
};

const Sensor* find(uint16_t sensorId) {
    const auto* it = std::find_if(std::begin(kSensors), std::end(kSensors),
                                  [&](const Sensor& s) { return s.id == sensorId; });
    return it == std::end(kSensors) ? nullptr : it;
}

}  // namespace

bool DpiStepTable::IsKnownSensor(uint16_t sensorId) {
    return find(sensorId) != nullptr;
}

bool DpiStepTable::Build(uint16_t sensorId) {
    const Sensor* sensor = find(sensorId);
    if (sensor == nullptr) return false;
    steps_.clear();
    for (const Run& run : sensor->runs) {
        for (uint32_t v = run.first; v <= run.last; v += run.increment)
            steps_.push_back(v);
    }
    deviceOffset_ = sensor->deviceOffset;
    capability_ = sensor->capability;
    return true;
}

uint32_t DpiStepTable::stepValue(int i) const {
    if (i < 0 || i >= count()) return 0;
    return steps_[static_cast<size_t>(i)];
}

uint16_t DpiStepTable::deviceValue(int i) const {
    return static_cast<uint16_t>(i + deviceOffset_);
}

int DpiStepTable::LevelOfPosition(uint8_t flags, int p) {
    if (p < 0) return -1;
    for (int level = 0; level < 8; ++level) {
        if ((flags >> level) & 1) {
            if (p == 0) return level;
            --p;
        }
    }
    return -1;
}

}  // namespace vexmo
