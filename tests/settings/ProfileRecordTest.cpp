#include "settings/ProfileRecord.h"

#include <gtest/gtest.h>

#include "SettingsFixture.h"

namespace vexmo {
namespace {

using vexmo::test::testLanguage;

TEST(ProfileRecord, ResetGivesTheFactorySettings) {
    ProfileRecord r;
    r.buttons[2].macro.actionNum = 7;
    r.buttons[2].macroKeyIndex = 9;
    r.lighting1FixedColor[9][9] = 0x123456;
    ResetProfile(r, 1, testLanguage(), 0x3325);

    EXPECT_EQ(r.namedValues[kProfileName], (NamedValue{u"ProfileName", u"Profile 2"}));
    EXPECT_EQ(r.namedValues[kGameFile2], (NamedValue{u"GameFile2", u""}));
    EXPECT_EQ(r.namedValues[kKeyDebounce], (NamedValue{u"KeyDebounce", u"12"}));
    EXPECT_EQ(r.namedValues[kMotionWakeup], (NamedValue{u"MotionWakeup", u"1"}));
    EXPECT_EQ(r.namedValues[kSensitivityX], (NamedValue{u"Sensitivity_X", u"4"}));

    const std::pair<const char16_t*, ButtonCode> buttons[] = {
        {u"Left click", {0x10, 0x01, 0}},   {u"Right click", {0x10, 0x02, 0}},
        {u"Middle click", {0x10, 0x04, 0}}, {u"Forward", {0x10, 0x10, 0}},
        {u"Back", {0x10, 0x08, 0}},         {u"DPI loop", {0x40, 0x01, 0}}};
    for (int b = 0; b < 6; ++b) {
        EXPECT_EQ(r.buttons[b].name, buttons[b].first);
        EXPECT_EQ(r.buttons[b].code, buttons[b].second);
        EXPECT_EQ(r.buttons[b].macroKeyIndex, 0u);
        EXPECT_EQ(r.buttons[b].macro, MacroRecord{});
    }
    EXPECT_EQ(r.pollingRateName, u"1000HZ");
    EXPECT_EQ(r.pollingRateValue, (std::array<uint8_t, 3>{3, 0, 0}));
    EXPECT_EQ(r.lighting1OffOn, 1);
    EXPECT_EQ(r.lighting1Name, u"Breathing");
    EXPECT_EQ(r.lighting1Brightness[3], 3);
    EXPECT_EQ(r.lighting1Brightness[4], 1);
    EXPECT_EQ(r.lighting1Direction[1], 1);
    EXPECT_EQ(r.lighting1Direction[0], 0);
    EXPECT_EQ(r.lighting1ColorSelected[6][7], 1);
    EXPECT_EQ(r.lighting1ColorSelected[6][8], 0);
    EXPECT_EQ(r.lighting1FixedColor[6][7], 0xFF46FAu);
    EXPECT_EQ(r.lighting1FixedColor[7][1], 0x6A00FAu);
    EXPECT_EQ(r.lighting1FixedColor[9][9], 0u);
    EXPECT_EQ(r.lighting2Name, u"Breathing");
    EXPECT_EQ(r.lighting2ModeValue, (std::array<uint8_t, 3>{1, 0, 0}));
    EXPECT_EQ(r.xySetting, (std::array<uint16_t, 8>{10, 22, 30, 46, 51, 58, 58, 50}));
    EXPECT_EQ(r.liftDetection, 2);
}

TEST(ProfileRecord, SlotsOutsideZeroToFourAreNamedByNumber) {
    ProfileRecord r;
    ResetProfile(r, 7, testLanguage(), 0x3325);
    EXPECT_EQ(r.value(kProfileName), u"Profile8");
    ResetProfile(r, 4, testLanguage(), 0x3325);
    EXPECT_EQ(r.value(kProfileName), u"Profile 5");
}

TEST(ProfileRecord, SensorDefaults) {
    ProfileRecord r;
    r.xySetting.fill(77);
    r.dpiOffOnFlag = 0xFF;
    r.currentDpiLevel = 5;
    r.angleSnap = 1;
    ApplySensorDefaults(r, 0x1234);  // unknown: levels stay, the rest is set
    EXPECT_EQ(r.xySetting[0], 77);
    EXPECT_EQ(r.dpiOffOnFlag, 0x3F);
    EXPECT_EQ(r.currentDpiLevel, 0);
    EXPECT_EQ(r.angleSnap, 0);
    EXPECT_EQ(r.liftDetection, 2);
    EXPECT_EQ(r.dpiLevelIndication,
              (std::array<Colour, 8>{0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
                                     0xFFFFFF, 0xFFFFFF}));
    const std::pair<uint16_t, std::array<uint16_t, 8>> sensors[] = {
        {0x3104, {7, 15, 23, 31, 44, 47, 58, 50}},    {0x3212, {6, 10, 14, 22, 33, 12, 12, 12}},
        {0x3311, {7, 11, 15, 31, 119, 99, 99, 59}},   {0x3327, {2, 6, 14, 30, 48, 58, 58, 58}},
        {0x3335, {11, 23, 31, 63, 99, 159, 59, 59}},  {0x3389, {3, 7, 15, 31, 49, 59, 59, 59}},
        {0x3370, {7, 15, 31, 63, 99, 119, 119, 119}}, {0x3395, {15, 31, 47, 95, 199, 379, 99, 99}},
        {0x3399, {7, 15, 31, 63, 99, 99, 99, 99}}};
    for (const auto& [id, levels] : sensors) {
        ApplySensorDefaults(r, id);
        EXPECT_EQ(r.xySetting, levels) << std::hex << id;
    }
}

TEST(ProfileRecord, ButtonAccessByIndex) {
    ProfileRecord r;
    EXPECT_EQ(r.button(0), &r.buttons[0]);
    EXPECT_EQ(r.button(5), &r.buttons[5]);
    EXPECT_EQ(r.button(6), nullptr);
    EXPECT_EQ(r.button(-1), nullptr);
}

TEST(ProfileRecord, SetButtonMacroCopiesTheUsedActions) {
    MacroRecord source;
    source.name = u"Combo";
    source.macroKeyIndex = 12;
    source.loopType = 4;
    source.loopNum = 9;
    source.commandActionNum = 2;
    source.actionNum = 3;
    for (uint8_t i = 0; i < 5; ++i)
        source.actions[i] = MacroAction::key(0x41 + i, false);

    ButtonAssignment button;
    button.macro.actions.fill(MacroAction::key(0x5A, true));
    button.macro.actionNum = 200;
    SetButtonMacro(button, &source);
    EXPECT_EQ(button.macro.name, u"Combo");
    EXPECT_EQ(button.macro.macroKeyIndex, 12u);
    EXPECT_EQ(button.macro.loopType, 4);
    EXPECT_EQ(button.macro.loopNum, 9);
    EXPECT_EQ(button.macro.commandActionNum, 2);
    EXPECT_EQ(button.macro.actionNum, 3u);
    EXPECT_EQ(button.macro.actions[2], MacroAction::key(0x43, false));
    EXPECT_EQ(button.macro.actions[3], MacroAction{});  // not copied, and nothing stale left
    EXPECT_EQ(button.macro.actions[199], MacroAction{});

    source.actionNum = 250;  // more than a macro holds: at most 200 are taken
    SetButtonMacro(button, &source);
    EXPECT_EQ(button.macro.actionNum, 200u);

    SetButtonMacro(button, nullptr);  // no record: no actions, the other fields stay
    EXPECT_EQ(button.macro.actionNum, 0u);
    EXPECT_EQ(button.macro.actions[0], MacroAction{});
    EXPECT_EQ(button.macro.name, u"Combo");
    EXPECT_EQ(button.macro.loopType, 4);
}

TEST(ProfileRecord, NamedValueSetters) {
    ProfileRecord r;
    ResetProfile(r, 0, testLanguage(), 0x3325);
    r.setNumber(kPowerDownTime, 9);
    EXPECT_EQ(r.value(kPowerDownTime), u"9");
    EXPECT_EQ(r.number(kKeyDebounce), 12);
    r.setMoveLighting(5);
    r.setMotionWakeup(-2);
    r.setPowerDownTime(10);
    EXPECT_EQ(r.value(kMoveLightingOnOffMode), u"1");
    EXPECT_EQ(r.value(kMotionWakeup), u"0");
    EXPECT_EQ(r.value(kPowerDownTime), u"10");
}

}  // namespace
}  // namespace vexmo
