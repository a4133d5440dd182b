#include "buttons/KeyTables.h"

#include <array>
#include <utility>

namespace vexmo {

namespace {

using NameTable = std::array<Text, 256>;

NameTable buildNames() {
    NameTable names;
    names.fill(u"Undefined");
    const std::pair<uint8_t, const char16_t*> named[] = {
        {0x01, u"LBUTTON"},
        {0x02, u"RBUTTON"},
        {0x03, u"CANCEL"},
        {0x04, u"MBUTTON"},
        {0x05, u"XBUTTON1"},
        {0x06, u"XBUTTON2"},
        {0x08, u"Backspace"},
        {0x09, u"Tab"},
        {0x0C, u"Clear"},
        {0x0D, u"Enter"},
        {0x10, u"Shift"},
        {0x11, u"Ctrl"},
        {0x12, u"Alt"},
        {0x13, u"Pause"},
        {0x14, u"CapsLock"},
        {0x15, u"Kana"},
        {0x17, u"junja"},
        {0x18, u"Final"},
        {0x19, u"Hanja"},
        {0x1B, u"Esc"},
        {0x1C, u"Convert"},
        {0x1D, u"Nonconvert"},
        {0x1E, u"Accept"},
        {0x1F, u"ModeChange"},
        {0x20, u"Space"},
        {0x21, u"Page Up"},
        {0x22, u"Page Down"},
        {0x23, u"End"},
        {0x24, u"Home"},
        {0x25, u"Left Arrow"},
        {0x26, u"Up Arrow"},
        {0x27, u"Right Arrow"},
        {0x28, u"Down Arrow"},
        {0x29, u"Select"},
        {0x2A, u"Print"},
        {0x2B, u"Execute"},
        {0x2C, u"Print Screen"},
        {0x2D, u"Ins"},
        {0x2E, u"Del"},
        {0x2F, u"Help"},
        {0x5B, u"Win_L"},
        {0x5C, u"Win_R"},
        {0x5D, u"App"},
        {0x5F, u"Sleep"},
        {0x6A, u"Multiply"},
        {0x6B, u"Add"},
        {0x6C, u"Separator"},
        {0x6D, u"Subtract"},
        {0x6E, u"Decimal"},
        {0x6F, u"Divide"},
        {0x90, u"Num Lock"},
        {0x91, u"Scroll Lock"},
        {0xA0, u"Shift_L"},
        {0xA1, u"Shift_R"},
        {0xA2, u"Ctrl_L"},
        {0xA3, u"Ctrl_R"},
        {0xA4, u"Alt_L"},
        {0xA5, u"Alt_R"},
        {0xBA, u";"},
        {0xBB, u"="},
        {0xBC, u","},
        {0xBD, u"-"},
        {0xBE, u"."},
        {0xBF, u"/"},
        {0xC0, u"~"},
        {0xDB, u"["},
        {0xDC, u"\\"},
        {0xDD, u"]"},
        {0xDE, u"'"},
        {0xE0, u"L Key"},
        {0xE1, u"R Key"},
        {0xE2, u"M Key"},
        {0xE3, u"K4"},
        {0xE4, u"K5"},
        {0xE5, u"Mouse X"},
        {0xE6, u"Mouse Y"},
        {0xE7, u"Mouse Wheel"},
    };
    for (const auto& [code, name] : named)
        names[code] = name;
    for (int i = 0; i <= 9; ++i) {
        names[0x30 + i] = Text(1, static_cast<char16_t>(u'0' + i));
        names[0x60 + i] = u"Num" + names[0x30 + i];
    }
    for (int i = 0; i < 26; ++i)
        names[0x41 + i] = Text(1, static_cast<char16_t>(u'A' + i));
    for (int i = 0; i < 24; ++i)
        names[0x70 + i] = u"F" + formatDec(i + 1);
    return names;
}

// A run of consecutive codes whose usages are consecutive too; single keys are runs of one.
struct UsageRun {
    uint8_t firstCode;
    uint8_t lastCode;
    uint8_t firstUsage;
};

constexpr std::array<uint8_t, 256> buildUsages() {
    std::array<uint8_t, 256> usages{};
    constexpr UsageRun runs[] = {
        {0x41, 0x5A, 0x04},                      // A..Z
        {0x31, 0x39, 0x1E},                      // 1..9
        {0x30, 0x30, 0x27},                      // 0
        {0x70, 0x7B, 0x3A},                      // F1..F12
        {0x61, 0x69, 0x59},                      // Num1..Num9
        {0x60, 0x60, 0x62},                      // Num0
        {0x08, 0x09, 0x2A},                      // Backspace, Tab
        {0x0D, 0x0D, 0x28},                      // Enter
        {0x13, 0x13, 0x48},                      // Pause
        {0x14, 0x14, 0x39},                      // CapsLock
        {0x1B, 0x1B, 0x29},                      // Esc
        {0x20, 0x20, 0x2C},                      // Space
        {0x21, 0x21, 0x4B},                      // Page Up
        {0x22, 0x22, 0x4E},                      // Page Down
        {0x23, 0x23, 0x4D},                      // End
        {0x24, 0x24, 0x4A},                      // Home
        {0x25, 0x25, 0x50},                      // Left Arrow
        {0x26, 0x26, 0x52},                      // Up Arrow
        {0x27, 0x27, 0x4F},                      // Right Arrow
        {0x28, 0x28, 0x51},                      // Down Arrow
        {0x2C, 0x2C, 0x46},                      // Print Screen
        {0x2D, 0x2D, 0x49},                      // Ins
        {0x2E, 0x2E, 0x4C},                      // Del
        {0x5D, 0x5D, 0x65},                      // App
        {0x5F, 0x5F, 0x82},                      // Sleep
        {0x6A, 0x6A, 0x55},                      // Multiply
        {0x6B, 0x6B, 0x57},                      // Add
        {0x6D, 0x6D, 0x56},                      // Subtract
        {0x6E, 0x6E, 0x63},                      // Decimal
        {0x6F, 0x6F, 0x54},                      // Divide
        {0x90, 0x90, 0x53},                      // Num Lock
        {0x91, 0x91, 0x47},                      // Scroll Lock
        {0xBA, 0xBA, 0x33},                      // ;
        {0xBB, 0xBB, 0x2E},                      // =
        {0xBC, 0xBC, 0x36},                      // ,
        {0xBD, 0xBD, 0x2D},                      // -
        {0xBE, 0xBF, 0x37},                      // . /
        {0xC0, 0xC0, 0x35},                      // ~
        {0xDB, 0xDB, 0x2F},                      // [
        {0xDC, 0xDC, 0x31},                      // backslash
        {0xDD, 0xDD, 0x30},                      // ]
        {0xDE, 0xDE, 0x34},                      // '
        {0x0E, 0x0E, 0x58},                      // keypad Enter
        {0x3B, 0x3B, 0x29}, {0xE0, 0xE7, 0xF0},  // the macros' mouse actions
        {0xF0, 0xF0, 0x81}, {0xF1, 0xF1, 0x83}, {0xF2, 0xF2, 0x32}, {0xF3, 0xF3, 0x64},
        {0xF4, 0xF4, 0x85}, {0xF5, 0xF9, 0x87}, {0xFA, 0xFB, 0x90},
    };
    for (const UsageRun& run : runs) {
        for (int code = run.firstCode; code <= run.lastCode; ++code) {
            usages[code] = static_cast<uint8_t>(run.firstUsage + (code - run.firstCode));
        }
    }
    return usages;
}

constexpr std::array<uint8_t, 256> kUsages = buildUsages();

}  // namespace

const Text& KeyName(uint8_t code) {
    static const NameTable names = buildNames();
    return names[code];
}

uint8_t KeyUsage(uint8_t code) {
    return kUsages[code];
}

}  // namespace vexmo
