#include "performance/DpiStepTable.h"

#include <gtest/gtest.h>

namespace vexmo {
namespace {

TEST(DpiStepTable, EverySensorHasItsSteps) {
    struct Case {
        uint16_t sensor;
        int count;
        uint32_t first, last;
        uint16_t firstDevice;
        bool capability;
    };
    const Case cases[] = {
        {0x3104, 48, 2, 160, 0, false},  {0x3212, 42, 4, 96, 1, false},
        {0x3311, 120, 2, 240, 1, false}, {0x3325, 59, 4, 200, 1, false},
        {0x3327, 74, 4, 248, 1, false},  {0x3335, 160, 2, 320, 0, true},
        {0x3360, 121, 2, 480, 0, true},  {0x3370, 290, 1, 380, 0, true},
        {0x3389, 160, 2, 320, 0, true},  {0x3395, 520, 1, 520, 0, true},
        {0x3399, 400, 1, 400, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.sensor);
        DpiStepTable t;
        ASSERT_TRUE(t.Build(c.sensor));
        EXPECT_TRUE(DpiStepTable::IsKnownSensor(c.sensor));
        EXPECT_EQ(t.count(), c.count);
        EXPECT_EQ(t.stepValue(0), c.first);
        EXPECT_EQ(t.stepValue(c.count - 1), c.last);
        EXPECT_EQ(t.deviceValue(0), c.firstDevice);
        EXPECT_EQ(t.deviceValue(c.count - 1), c.count - 1 + c.firstDevice);
        EXPECT_EQ(t.capability(), c.capability);
        for (int i = 1; i < t.count(); ++i)
            EXPECT_LT(t.stepValue(i - 1), t.stepValue(i));
    }
}

TEST(DpiStepTable, StepsBetweenTheRuns) {
    DpiStepTable t;
    ASSERT_TRUE(t.Build(0x3325));
    EXPECT_EQ(t.resolution(9), 1100u);
    EXPECT_EQ(t.resolution(58), 10000u);
    // 200 to 5000 in steps of 100, then 5500, 6000, 6400, 7000.
    EXPECT_EQ(t.resolution(48), 5000u);
    EXPECT_EQ(t.resolution(49), 5500u);
    EXPECT_EQ(t.resolution(51), 6400u);
    EXPECT_EQ(t.resolution(52), 7000u);
    // The default levels of this sensor.
    const int levels[] = {10, 22, 30, 46, 51, 58};
    const uint32_t dpi[] = {1200, 2400, 3200, 4800, 6400, 10000};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(t.resolution(levels[k]), dpi[k]);

    ASSERT_TRUE(t.Build(0x3104));
    const uint32_t tail[] = {80, 90, 96, 110, 120, 128, 140, 150, 160};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(t.stepValue(39 + k), tail[k]);

    ASSERT_TRUE(t.Build(0x3360));
    EXPECT_EQ(t.resolution(119), 12000u);
    EXPECT_EQ(t.resolution(120), 24000u);

    ASSERT_TRUE(t.Build(0x3370));
    EXPECT_EQ(t.stepValue(199), 200u);
    EXPECT_EQ(t.stepValue(200), 202u);
}

TEST(DpiStepTable, UnknownSensorLeavesTheTable) {
    DpiStepTable t;
    EXPECT_FALSE(t.Build(0x1234));
    EXPECT_EQ(t.count(), 0);
    ASSERT_TRUE(t.Build(0x3212));
    EXPECT_FALSE(t.Build(0));
    EXPECT_FALSE(DpiStepTable::IsKnownSensor(0x3326));
    EXPECT_EQ(t.count(), 42);
    EXPECT_EQ(t.deviceValue(0), 1);
    EXPECT_EQ(t.stepValue(42), 0u);  // outside the table
    EXPECT_EQ(t.stepValue(-1), 0u);
}

TEST(DpiStepTable, LevelOfPosition) {
    struct Case {
        uint8_t flags;
        int position, level;
    };
    const Case cases[] = {
        {0x3E, 2, 3}, {0x3E, 0, 1},  {0x3E, 4, 5},   {0x3E, 5, -1}, {0xFF, 7, 7},
        {0x81, 1, 7}, {0x00, 0, -1}, {0x01, -1, -1}, {0x3F, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DpiStepTable::LevelOfPosition(c.flags, c.position), c.level)
            << int(c.flags) << " " << c.position;
    }
}

}  // namespace
}  // namespace vexmo
