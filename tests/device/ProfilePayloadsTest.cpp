#include <gtest/gtest.h>

#include "app/LanguageTable.h"
#include "device/ProfilePayloads.h"
#include "performance/DpiStepTable.h"

namespace vexmo {
namespace {

class Payloads : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProfile(p, 0, language, 0x3325);
        steps.Build(0x3325);
    }
    LanguageTable language;
    ProfileRecord p;
    DpiStepTable steps;
};

TEST_F(Payloads, DpiLevelsCarryActiveLevelCountAndDeviceValues) {
    p.dpiOffOnFlag = 0x3F;
    p.currentDpiLevel = 2;
    const DpiImage dpi = BuildDpiImage(p, steps);
    EXPECT_EQ(dpi[0], 0x36);
    EXPECT_EQ(dpi[1], 0x3F);
    // Sensor 0x3325 sends step + 1; level 0 is step 10.
    EXPECT_EQ(dpi[2], 11);
    EXPECT_EQ(dpi[3], 0);
    for (int i = 14; i < 18; ++i)
        EXPECT_EQ(dpi[i], 0);
}

TEST_F(Payloads, StepPastTheTableSendsTheLastStep) {
    p.xySetting[0] = 0xFFFF;
    EXPECT_EQ(BuildDpiImage(p, steps)[2], steps.deviceValue(steps.count() - 1));
}

TEST_F(Payloads, PollingIndexesMapToCodes) {
    const std::pair<uint8_t, uint8_t> cases[] = {{0, 8}, {1, 4}, {2, 2}, {3, 1}, {9, 1}};
    for (auto [index, code] : cases)
        EXPECT_EQ(PollingCodeOfIndex(index), code) << int(index);
}

TEST_F(Payloads, ButtonsGoInTheMouseOrder) {
    const ButtonImage image = BuildButtonImage(p);
    EXPECT_EQ(image[9], 0x10);
    EXPECT_EQ(image[10], 0x08);  // device button 3 is profile button 4
    EXPECT_EQ(image[13], 0x10);  // device button 4 is profile button 3
    EXPECT_EQ(image[15], 0x40);
}

TEST_F(Payloads, LightingModes) {
    struct Case {
        const char* what;
        std::function<void(ProfileRecord&)> edit;
        std::vector<uint8_t> want;  // length, then payload
    };
    const Case cases[] = {
        {"mode 0", [](ProfileRecord& r) { r.lighting1ModeValue[0] = 0; }, {2, 0, 0x22}},
        {"mode 1 direction",
         [](ProfileRecord& r) { r.lighting1ModeValue[0] = 1; },
         {3, 1, 0x22, 1}},
        {"mode 2 skips the black slot 4",
         [](ProfileRecord& r) {
             r.lighting1ModeValue[0] = 2;
             r.lighting1FixedColor[2][4] = 0;
         },
         {21, 2,    0x22, 6,    0xFF, 0,    0, 0,    0xFF, 0,    0,
          0,  0xFF, 0,    0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"mode 2 slots 1 and 5",
         [](ProfileRecord& r) {
             r.lighting1ModeValue[0] = 2;
             r.lighting1ColorSelected[2] = {0, 1, 0, 0, 0, 1, 0, 0, 0, 0};
         },
         {9, 2, 0x22, 2, 0, 0xFF, 0, 0xFF, 0, 0xFF}},
        {"mode 3 sends slot 0 even unselected",
         [](ProfileRecord& r) {
             r.lighting1ModeValue[0] = 3;
             r.lighting1ColorSelected[3][0] = 0;
         },
         {5, 3, 0x42, 0xFF, 0, 0xFF}},
        {"mode 6 unselected slot 3 is black",
         [](ProfileRecord& r) {
             r.lighting1ModeValue[0] = 6;
             r.lighting1ColorSelected[6][3] = 0;
         },
         {23, 6, 0x22, 0xFF, 0,    0,    0,    0xFF, 0,    0,    0,    0xFF,
          0,  0, 0,    0,    0xFF, 0xFF, 0xFA, 0,    0xFA, 0xFF, 0xFF, 0xFF}},
        {"mode 9", [](ProfileRecord& r) { r.lighting1ModeValue[0] = 9; }, {2, 9, 0x22}},
        {"mode 12 has nothing", [](ProfileRecord& r) { r.lighting1ModeValue[0] = 12; }, {0}},
    };
    for (const auto& c : cases) {
        ProfileRecord r = p;
        c.edit(r);
        const LightingImage image = BuildLightingImage(r);
        EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.begin() + c.want.size()), c.want)
            << c.what;
        for (size_t i = c.want.size(); i < image.size(); ++i)
            EXPECT_EQ(image[i], 0) << c.what;
    }
}

TEST_F(Payloads, NamedValuesTakeTheirLowByte) {
    p.setValue(kLiftDetectionHeight, u"1");
    p.setValue(kKeyDebounce, u"300");
    p.setValue(kPowerDownTime, u"x");
    EXPECT_EQ(LiftOffCode(p), 1);
    EXPECT_EQ(DebounceValue(p), 300 & 0xFF);
    EXPECT_EQ(BuildPowerImage(p)[0], 0);
    p.setValue(kLiftDetectionHeight, u"7");
    EXPECT_EQ(LiftOffCode(p), 2);
}

}  // namespace
}  // namespace vexmo
