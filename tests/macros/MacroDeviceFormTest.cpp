#include "macros/MacroDeviceForm.h"

#include <map>
#include <vector>

#include <gtest/gtest.h>

namespace vexmo {
namespace {

MacroRecord recordWith(std::initializer_list<MacroAction> actions) {
    MacroRecord record;
    for (const MacroAction& a : actions)
        record.actions[record.actionNum++] = a;
    record.commandActionNum = record.CountDeviceSteps();
    return record;
}

MacroAction press(uint8_t code) {
    return MacroAction::key(code, false);
}
MacroAction release(uint8_t code) {
    return MacroAction::key(code, true);
}
MacroAction amount(uint8_t code, uint8_t value) {
    return {code, 0, 0, value};
}

TEST(DeviceKeyCodeTable, MapsEveryActionCodeAsTheMouseExpects) {
    std::map<int, int> expected;
    const auto range = [&](int from, int to, int first) {
        for (int c = from; c <= to; ++c)
            expected[c] = first + (c - from);
    };
    const auto list = [&](std::initializer_list<int> codes, std::initializer_list<int> values) {
        auto v = values.begin();
        for (int c : codes)
            expected[c] = *v++;
    };
    list({0x08, 0x09, 0x0D, 0x0E, 0x13, 0x14, 0x1B, 0x20},
         {0x2A, 0x2B, 0x28, 0x58, 0x48, 0x39, 0x29, 0x2C});
    list({0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28},
         {0x4B, 0x4E, 0x4D, 0x4A, 0x50, 0x52, 0x4F, 0x51});
    list({0x2C, 0x2D, 0x2E, 0x30, 0x3B}, {0x46, 0x49, 0x4C, 0x27, 0x29});
    range(0x31, 0x39, 0x1E);
    range(0x41, 0x5A, 0x04);
    list({0x5B, 0x5C, 0x5D, 0x5F, 0x60}, {0xE3, 0xE7, 0x65, 0x82, 0x62});
    range(0x61, 0x69, 0x59);
    list({0x6A, 0x6B, 0x6D, 0x6E, 0x6F}, {0x55, 0x57, 0x56, 0x63, 0x54});
    range(0x70, 0x7B, 0x3A);
    list({0x90, 0x91}, {0x53, 0x47});
    list({0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}, {0xE1, 0xE5, 0xE0, 0xE4, 0xE2, 0x46});
    list({0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0}, {0x33, 0x2E, 0x36, 0x2D, 0x37, 0x38, 0x35});
    list({0xDB, 0xDC, 0xDD, 0xDE}, {0x2F, 0x31, 0x30, 0x34});
    range(0xE0, 0xE7, 0xF0);
    list({0xF0, 0xF1, 0xF2, 0xF3, 0xF4}, {0x81, 0x83, 0x32, 0x64, 0x85});
    range(0xF5, 0xF9, 0x87);
    list({0xFA, 0xFB}, {0x90, 0x91});

    const auto& table = DeviceKeyCodeTable();
    for (int code = 0; code < 256; ++code) {
        const int want = expected.count(code) ? expected[code] : 0;
        EXPECT_EQ(table[code], want) << "action code " << code;
    }
}

TEST(DeviceSteps, Examples) {
    struct Case {
        const char* what;
        MacroRecord macro;
        std::vector<DeviceStep> steps;
    };
    const Case cases[] = {
        {"a long delay is capped at 4095 ms",
         recordWith({press(0x41), MacroAction::delay(5000), release(0x41)}),
         {{0x3F, 0xFF, 0x04}, {0xB0, 0x00, 0x04}}},
        {"the editor's left click",
         recordWith({press(0xE0), MacroAction::delay(50), release(0xE0)}),
         {{0x10, 0x32, 0x01}, {0x90, 0x00, 0x01}}},
        {"wheel three notches up", recordWith({amount(0xE7, 0xFD)}), {{0x60, 0x00, 0xFD}}},
        {"pointer moves carry their amount",
         recordWith({amount(0xE5, 0x85), MacroAction::delay(0x123), amount(0xE6, 0x10)}),
         {{0x41, 0x23, 0x85}, {0x50, 0x00, 0x10}}},
        {"a leading delay and a delay after a delay are dropped",
         recordWith({MacroAction::delay(30), press(0x20), MacroAction::delay(10),
                     MacroAction::delay(20), release(0x20)}),
         {{0x30, 0x0A, 0x2C}, {0xB0, 0x00, 0x2C}}},
        {"modifier keys become bits; right Alt is the Print Screen key",
         recordWith({press(0xA0), press(0x5C), release(0xA5)}),
         {{0x20, 0x00, 0x02}, {0x20, 0x00, 0x80}, {0xB0, 0x00, 0x46}}},
        {"fifth button", recordWith({release(0xE4)}), {{0x90, 0x00, 0x10}}},
        {"a key the mouse cannot play is key 0", recordWith({press(0x7C)}), {{0x30, 0, 0}}},
        {"codes 0..7 other than 3 are no delays here",
         recordWith({press(0x41), MacroAction{0x04, 0, 0, 9}}),
         {{0x30, 0x00, 0x04}, {0x30, 0x00, 0x00}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeviceSteps(c.macro), c.steps) << c.what;
}

TEST(DeviceSteps, DelayOfTheLastUsedActionIsNotTakenFromPastTheEnd) {
    MacroRecord macro = recordWith({press(0x41)});
    macro.actions[1] = MacroAction::delay(100);  // stale, past actionNum
    EXPECT_EQ(DeviceSteps(macro), (std::vector<DeviceStep>{{0x30, 0x00, 0x04}}));
}

TEST(MacroImage, HeaderThenStepsThenZeros) {
    MacroRecord macro = recordWith({press(0xE0), MacroAction::delay(50), release(0xE0)});
    const MacroImage image = BuildMacroImage(macro, 3);
    const std::vector<uint8_t> head(image.begin(), image.begin() + 10);
    EXPECT_EQ(head, (std::vector<uint8_t>{0x09, 0x90, 3, 2, 0x10, 0x32, 0x01, 0x90, 0x00, 0x01}));
    EXPECT_TRUE(std::all_of(image.begin() + 10, image.end(), [](uint8_t b) { return b == 0; }));
}

TEST(MacroImage, TwoHundredStepsFit) {
    MacroRecord macro;
    for (size_t i = 0; i < MacroRecord::kMaxActions; ++i)
        macro.InsertAction(i, press(0x5A));
    macro.commandActionNum = macro.CountDeviceSteps();
    const MacroImage image = BuildMacroImage(macro, 1);
    EXPECT_EQ(image[3], MacroRecord::kMaxDeviceSteps);
    EXPECT_EQ(image[4 + 3 * 199 + 2], 0x1D);
    EXPECT_EQ(image[4 + 3 * 200], 0);
}

TEST(MacroButtonCode, PacksNumberLoopTypeAndCount) {
    struct Case {
        uint8_t number, loopType, loopNum;
        std::array<uint8_t, 3> code;
    };
    const Case cases[] = {
        {1, 2, 5, {0x90, 0x21, 5}},        {2, 1, 5, {0x90, 0x12, 0}}, {6, 4, 9, {0x90, 0x46, 0}},
        {0x13, 2, 255, {0x90, 0x23, 255}},  // only the low nibble of the number
        {1, 0x12, 1, {0x90, 0x21, 0}},      // the loop type is cut to 8 bits
    };
    for (const Case& c : cases) {
        MacroRecord macro;
        macro.loopType = c.loopType;
        macro.loopNum = c.loopNum;
        EXPECT_EQ(MacroButtonCode(c.number, macro), c.code) << int(c.number);
    }
}

}  // namespace
}  // namespace vexmo
