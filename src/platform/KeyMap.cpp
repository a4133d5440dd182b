#include "platform/KeyMap.h"

#include <Qt>
#include <array>
#include <utility>

namespace vexmo::platform {

namespace {

constexpr std::pair<int, int> kEvdevPairs[] = {
    {1, 0x1B},  // Esc
    {2, '1'},    {3, '2'},    {4, '3'},    {5, '4'},    {6, '5'},    {7, '6'},
    {8, '7'},    {9, '8'},    {10, '9'},   {11, '0'},   {12, 0xBD},  // minus
    {13, 0xBB},                                                      // equal
    {14, 0x08},                                                      // backspace
    {15, 0x09},                                                      // tab
    {16, 'Q'},   {17, 'W'},   {18, 'E'},   {19, 'R'},   {20, 'T'},   {21, 'Y'},
    {22, 'U'},   {23, 'I'},   {24, 'O'},   {25, 'P'},   {26, 0xDB},  // [
    {27, 0xDD},                                                      // ]
    {28, 0x0D},                                                      // enter
    {29, 0xA2},                                                      // left ctrl
    {30, 'A'},   {31, 'S'},   {32, 'D'},   {33, 'F'},   {34, 'G'},   {35, 'H'},
    {36, 'J'},   {37, 'K'},   {38, 'L'},   {39, 0xBA},  // ;
    {40, 0xDE},                                         // '
    {41, 0xC0},                                         // `
    {42, 0xA0},                                         // left shift
    {43, 0xDC},                                         // backslash
    {44, 'Z'},   {45, 'X'},   {46, 'C'},   {47, 'V'},   {48, 'B'},   {49, 'N'},
    {50, 'M'},   {51, 0xBC},  // ,
    {52, 0xBE},               // .
    {53, 0xBF},               // /
    {54, 0xA1},               // right shift
    {55, 0x6A},               // keypad *
    {56, 0xA4},               // left alt
    {57, 0x20},               // space
    {58, 0x14},               // caps lock
    {59, 0x70},  {60, 0x71},  {61, 0x72},  {62, 0x73},  {63, 0x74},  {64, 0x75},
    {65, 0x76},  {66, 0x77},  {67, 0x78},  {68, 0x79},  // F1..F10
    {69, 0x90},                                         // num lock
    {70, 0x91},                                         // scroll lock
    {71, 0x67},  {72, 0x68},  {73, 0x69},               // keypad 7 8 9
    {74, 0x6D},                                         // keypad -
    {75, 0x64},  {76, 0x65},  {77, 0x66},               // keypad 4 5 6
    {78, 0x6B},                                         // keypad +
    {79, 0x61},  {80, 0x62},  {81, 0x63},               // keypad 1 2 3
    {82, 0x60},                                         // keypad 0
    {83, 0x6E},                                         // keypad .
    {87, 0x7A},  {88, 0x7B},                            // F11, F12
    {96, 0x0D},                                         // keypad enter
    {97, 0xA3},                                         // right ctrl
    {98, 0x6F},                                         // keypad /
    {99, 0x2C},                                         // print screen (sysrq)
    {100, 0xA5},                                        // right alt
    {102, 0x24},                                        // home
    {103, 0x26},                                        // up
    {104, 0x21},                                        // page up
    {105, 0x25},                                        // left
    {106, 0x27},                                        // right
    {107, 0x23},                                        // end
    {108, 0x28},                                        // down
    {109, 0x22},                                        // page down
    {110, 0x2D},                                        // insert
    {111, 0x2E},                                        // delete
    {113, 0xAD},                                        // mute
    {114, 0xAE},                                        // volume down
    {115, 0xAF},                                        // volume up
    {119, 0x13},                                        // pause
    {125, 0x5B},                                        // left meta
    {126, 0x5C},                                        // right meta
    {127, 0x5D},                                        // compose (menu)
    {142, 0x5F},                                        // sleep
    {163, 0xB0},                                        // next song
    {164, 0xB3},                                        // play/pause
    {165, 0xB1},                                        // previous song
    {166, 0xB2},                                        // stop
    {183, 0x7C}, {184, 0x7D}, {185, 0x7E}, {186, 0x7F}, {187, 0x80}, {188, 0x81},
    {189, 0x82}, {190, 0x83}, {191, 0x84}, {192, 0x85}, {193, 0x86}, {194, 0x87},  // F13..F24
};

constexpr int kEvdevTableSize = 256;

constexpr std::array<unsigned char, kEvdevTableSize> makeEvdevTable() {
    std::array<unsigned char, kEvdevTableSize> table{};
    for (const auto& [code, vk] : kEvdevPairs)
        table[code] = static_cast<unsigned char>(vk);
    return table;
}

constexpr auto kEvdevTable = makeEvdevTable();

}  // namespace

int vkFromEvdev(int evdevCode) {
    if (evdevCode < 0 || evdevCode >= kEvdevTableSize) return 0;
    return kEvdevTable[evdevCode];
}

int vkFromQtKey(int key, bool keypad, bool sided) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return keypad ? 0x60 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Escape:
            return 0x1B;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0x09;
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 0x0D;
        case Qt::Key_Insert:
            return 0x2D;
        case Qt::Key_Delete:
            return keypad ? 0x6E : 0x2E;
        case Qt::Key_Pause:
            return 0x13;
        case Qt::Key_Print:
            return 0x2C;
        case Qt::Key_Home:
            return 0x24;
        case Qt::Key_End:
            return 0x23;
        case Qt::Key_Left:
            return 0x25;
        case Qt::Key_Up:
            return 0x26;
        case Qt::Key_Right:
            return 0x27;
        case Qt::Key_Down:
            return 0x28;
        case Qt::Key_PageUp:
            return 0x21;
        case Qt::Key_PageDown:
            return 0x22;
        case Qt::Key_Shift:
            return sided ? 0xA0 : 0x10;
        case Qt::Key_Control:
            return sided ? 0xA2 : 0x11;
        case Qt::Key_Alt:
            return sided ? 0xA4 : 0x12;
        case Qt::Key_AltGr:
            return sided ? 0xA5 : 0x12;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return 0x5B;
        case Qt::Key_Super_R:
            return 0x5C;
        case Qt::Key_Menu:
            return 0x5D;
        case Qt::Key_CapsLock:
            return 0x14;
        case Qt::Key_NumLock:
            return 0x90;
        case Qt::Key_ScrollLock:
            return 0x91;
        case Qt::Key_Space:
            return 0x20;
        case Qt::Key_Asterisk:
            return keypad ? 0x6A : 0;
        case Qt::Key_Plus:
            return keypad ? 0x6B : 0xBB;
        case Qt::Key_Equal:
            return 0xBB;
        case Qt::Key_Minus:
            return keypad ? 0x6D : 0xBD;
        case Qt::Key_Period:
            return keypad ? 0x6E : 0xBE;
        case Qt::Key_Slash:
            return keypad ? 0x6F : 0xBF;
        case Qt::Key_Comma:
            return 0xBC;
        case Qt::Key_Semicolon:
            return 0xBA;
        case Qt::Key_Apostrophe:
            return 0xDE;
        case Qt::Key_QuoteLeft:
            return 0xC0;
        case Qt::Key_BracketLeft:
            return 0xDB;
        case Qt::Key_Backslash:
            return 0xDC;
        case Qt::Key_BracketRight:
            return 0xDD;
        case Qt::Key_Sleep:
            return 0x5F;
        case Qt::Key_VolumeMute:
            return 0xAD;
        case Qt::Key_VolumeDown:
            return 0xAE;
        case Qt::Key_VolumeUp:
            return 0xAF;
        case Qt::Key_MediaNext:
            return 0xB0;
        case Qt::Key_MediaPrevious:
            return 0xB1;
        case Qt::Key_MediaStop:
            return 0xB2;
        case Qt::Key_MediaPlay:
        case Qt::Key_MediaTogglePlayPause:
            return 0xB3;
        default:
            return 0;
    }
}

int genericVk(int vk) {
    if (vk >= 0xA0 && vk <= 0xA5) return 0x10 + (vk - 0xA0) / 2;
    return vk;
}

}  // namespace vexmo::platform
