// Physical key positions (evdev codes) and Qt keys to the virtual-key codes of the key tables.
#include <gtest/gtest.h>

#include <Qt>

#include "platform/KeyMap.h"

namespace vexmo::platform {
namespace {

TEST(KeyMap, EvdevCodesGiveTheVirtualKeysOfTheirPosition) {
    struct Case {
        int evdev;
        int vk;
        const char* key;
    };
    const Case cases[] = {
        {30, 0x41, "A"},
        {44, 0x5A, "Z"},
        {2, 0x31, "1"},
        {11, 0x30, "0"},
        {1, 0x1B, "Esc"},
        {14, 0x08, "Backspace"},
        {15, 0x09, "Tab"},
        {28, 0x0D, "Enter"},
        {96, 0x0D, "keypad Enter"},
        {57, 0x20, "Space"},
        {42, 0xA0, "left Shift"},
        {54, 0xA1, "right Shift"},
        {29, 0xA2, "left Ctrl"},
        {97, 0xA3, "right Ctrl"},
        {56, 0xA4, "left Alt"},
        {100, 0xA5, "right Alt"},
        {125, 0x5B, "left Win"},
        {126, 0x5C, "right Win"},
        {127, 0x5D, "App"},
        {59, 0x70, "F1"},
        {68, 0x79, "F10"},
        {87, 0x7A, "F11"},
        {88, 0x7B, "F12"},
        {183, 0x7C, "F13"},
        {194, 0x87, "F24"},
        {82, 0x60, "Num0"},
        {73, 0x69, "Num9"},
        {83, 0x6E, "Decimal"},
        {55, 0x6A, "Multiply"},
        {78, 0x6B, "Add"},
        {74, 0x6D, "Subtract"},
        {98, 0x6F, "Divide"},
        {69, 0x90, "Num Lock"},
        {70, 0x91, "Scroll Lock"},
        {58, 0x14, "CapsLock"},
        {119, 0x13, "Pause"},
        {99, 0x2C, "Print Screen"},
        {110, 0x2D, "Ins"},
        {111, 0x2E, "Del"},
        {102, 0x24, "Home"},
        {107, 0x23, "End"},
        {104, 0x21, "Page Up"},
        {109, 0x22, "Page Down"},
        {105, 0x25, "Left"},
        {103, 0x26, "Up"},
        {106, 0x27, "Right"},
        {108, 0x28, "Down"},
        {39, 0xBA, ";"},
        {13, 0xBB, "="},
        {51, 0xBC, ","},
        {12, 0xBD, "-"},
        {52, 0xBE, "."},
        {53, 0xBF, "/"},
        {41, 0xC0, "~"},
        {26, 0xDB, "["},
        {43, 0xDC, "\\"},
        {27, 0xDD, "]"},
        {40, 0xDE, "'"},
        {142, 0x5F, "Sleep"},
        {0, 0, "reserved"},
        {86, 0, "102nd key (would read as a mouse code)"},
        {255, 0, "unknown"},
        {-1, 0, "negative"},
        {300, 0, "out of range"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vkFromEvdev(c.evdev), c.vk) << c.key;
}

TEST(KeyMap, QtKeysGiveGenericOrSidedModifiers) {
    EXPECT_EQ(vkFromQtKey(Qt::Key_Shift, false, false), 0x10);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Shift, false, true), 0xA0);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Control, false, true), 0xA2);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Alt, false, false), 0x12);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Q, false, false), 0x51);
    EXPECT_EQ(vkFromQtKey(Qt::Key_5, true, false), 0x65);
    EXPECT_EQ(vkFromQtKey(Qt::Key_5, false, false), 0x35);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Escape, false, false), 0x1B);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Enter, true, false), 0x0D);
    EXPECT_EQ(vkFromQtKey(Qt::Key_F24, false, false), 0x87);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Minus, true, false), 0x6D);
    EXPECT_EQ(vkFromQtKey(Qt::Key_Minus, false, false), 0xBD);
    EXPECT_EQ(vkFromQtKey(Qt::Key_unknown, false, false), 0);
}

}  // namespace
}  // namespace vexmo::platform
