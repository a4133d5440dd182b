#include "buttons/ButtonCatalogue.h"

#include <array>
#include <utility>

#include "app/LanguageTable.h"

namespace vexmo {

namespace {

constexpr uint8_t type(ButtonFunctionType t) {
    return static_cast<uint8_t>(t);
}

constexpr ButtonCode code(ButtonFunctionType t, uint8_t b1, uint8_t b2 = 0) {
    return {type(t), b1, b2};
}

constexpr ButtonCode mouse(uint8_t bit) {
    return code(ButtonFunctionType::MouseButton, bit);
}
constexpr ButtonCode consumer(uint16_t usage) {
    return code(ButtonFunctionType::ConsumerKey, static_cast<uint8_t>(usage & 0xFF),
                static_cast<uint8_t>(usage >> 8));
}
constexpr ButtonCode keys(uint8_t modifiers, uint8_t usage) {
    return code(ButtonFunctionType::KeyCombination, modifiers, usage);
}

const ButtonMenuItem kButtonMenu[] = {
    {1, 20, mouse(0x01)},
    {2, 21, mouse(0x02)},
    {3, 22, mouse(0x04)},
    {4, 23, mouse(0x10)},
    {5, 24, mouse(0x08)},
    {6, 25, ButtonSubmenu::DpiAction},
    {7, 26, AssignmentDialog::FireKey},
    {8, 27, code(ButtonFunctionType::FireKey, 50, 3)},
    {9, 28, AssignmentDialog::MacroSelection},
    {10, 29, AssignmentDialog::Shortcut},
    {11, 30, ButtonSubmenu::Multimedia},
    {12, 31, ButtonSubmenu::Office},
    {13, 32, ButtonSubmenu::WindowManagement},
    {14, 36, ButtonSubmenu::DpiLock},
    {15, 34, code(ButtonFunctionType::Disabled, 0)},
};

constexpr SubmenuItem kDpiAction[] = {
    {1, 40, {}, code(ButtonFunctionType::DpiAction, 2)},
    {2, 41, {}, code(ButtonFunctionType::DpiAction, 3)},
    {3, 42, {}, code(ButtonFunctionType::DpiAction, 1)},
};

constexpr SubmenuItem kMultimedia[] = {
    {1, 45, {}, consumer(0x0183)},   // consumer control configuration
    {2, 46, {}, consumer(0x00B6)},   // previous track
    {3, 47, {}, consumer(0x00B5)},   // next track
    {4, 48, {}, consumer(0x00B7)},   // stop
    {5, 49, {}, consumer(0x00CD)},   // play/pause
    {6, 50, {}, consumer(0x00E2)},   // mute
    {7, 51, {}, consumer(0x00E9)},   // volume up
    {8, 52, {}, consumer(0x00EA)},   // volume down
    {9, 53, {}, consumer(0x018A)},   // e-mail
    {10, 54, {}, consumer(0x0192)},  // calculator
};

constexpr SubmenuItem kOffice[] = {
    {1, 60, {}, keys(kModifierCtrl, 0x06)},  // Ctrl+C
    {2, 61, {}, keys(kModifierCtrl, 0x19)},  // Ctrl+V
    {3, 62, {}, keys(kModifierCtrl, 0x1B)},  // Ctrl+X
    {4, 63, {}, keys(kModifierCtrl, 0x04)},  // Ctrl+A
    {5, 64, {}, keys(kModifierCtrl, 0x11)},  // Ctrl+N
    {6, 65, {}, keys(kModifierCtrl, 0x16)},  // Ctrl+S
    {7, 66, {}, keys(kModifierCtrl, 0x13)},  // Ctrl+P
    {8, 67, {}, keys(kModifierWin, 0x08)},   // Win+E
    {9, 68, {}, keys(kModifierCtrl, 0x1D)},  // Ctrl+Z
};

constexpr SubmenuItem kWindowManagement[] = {
    {1, 75, {}, consumer(0x0194)},          // local machine browser
    {2, 76, {}, keys(kModifierAlt, 0x3D)},  // Alt+F4
    {3, 77, {}, keys(kModifierWin, 0x07)},  // Win+D
    {4, 78, {}, keys(kModifierWin, 0x15)},  // Win+R
    {5, 79, {}, keys(kModifierWin, 0x51)},  // Win+Down Arrow
    {6, 80, {}, keys(kModifierWin, 0x52)},  // Win+Up Arrow
};

constexpr int kDpiLockText = 36;
constexpr SubmenuItem kDpiLock[] = {
    {1, 0, u"200", code(ButtonFunctionType::DpiLock, 1)},
    {2, 0, u"300", code(ButtonFunctionType::DpiLock, 2)},
    {3, 0, u"400", code(ButtonFunctionType::DpiLock, 3)},
    {4, 0, u"500", code(ButtonFunctionType::DpiLock, 4)},
    {5, 0, u"600", code(ButtonFunctionType::DpiLock, 5)},
    {6, 0, u"700", code(ButtonFunctionType::DpiLock, 6)},
    {7, 0, u"800", code(ButtonFunctionType::DpiLock, 7)},
    {8, 0, u"900", code(ButtonFunctionType::DpiLock, 8)},
    {9, 0, u"1000", code(ButtonFunctionType::DpiLock, 9)},
    {10, 0, u"1100", code(ButtonFunctionType::DpiLock, 10)},
    {11, 0, u"1200", code(ButtonFunctionType::DpiLock, 11)},
};

constexpr int kFireKeyText = 26;
constexpr int kMacroPrefixText = 190;

void dropTrailingPlus(Text& name) {
    if (name.ends_with(u'+')) name.pop_back();
}

}  // namespace

std::span<const ButtonMenuItem> ButtonMenuItems() {
    return kButtonMenu;
}

std::span<const SubmenuItem> SubmenuItems(ButtonSubmenu submenu) {
    switch (submenu) {
        case ButtonSubmenu::DpiAction:
            return kDpiAction;
        case ButtonSubmenu::Multimedia:
            return kMultimedia;
        case ButtonSubmenu::Office:
            return kOffice;
        case ButtonSubmenu::WindowManagement:
            return kWindowManagement;
        case ButtonSubmenu::DpiLock:
            return kDpiLock;
    }
    return {};
}

Text ItemText(const ButtonMenuItem& item, const LanguageTable& language) {
    return language.text(item.textEntry);
}

Text ItemText(const SubmenuItem& item, const LanguageTable& language) {
    return item.textEntry != 0 ? language.text(item.textEntry) : Text(item.fixedText);
}

std::optional<ButtonFunction> MenuFunction(const ButtonMenuItem& item,
                                           const LanguageTable& language) {
    const auto* code = std::get_if<ButtonCode>(&item.target);
    if (code == nullptr) return std::nullopt;
    return ButtonFunction{ItemText(item, language), *code};
}

ButtonFunction SubmenuFunction(ButtonSubmenu submenu, const SubmenuItem& item,
                               const LanguageTable& language) {
    Text name = ItemText(item, language);
    if (submenu == ButtonSubmenu::DpiLock) name = language.text(kDpiLockText) + u"-" + name;
    return {std::move(name), item.code};
}

std::optional<ButtonFunction> ShortcutFunction(uint8_t modifiers, TextView keyName,
                                               uint8_t keyUsage) {
    static constexpr std::pair<uint8_t, TextView> kPrefixes[] = {
        {kModifierCtrl, u"Ctrl+"},
        {kModifierShift, u"Shift+"},
        {kModifierAlt, u"Alt+"},
        {kModifierWin, u"Win+"},
    };
    ButtonFunction function;
    for (const auto& [bit, prefix] : kPrefixes) {
        if (modifiers & bit) function.name += prefix;
    }
    function.name += keyName;
    dropTrailingPlus(function.name);
    if (function.name.empty()) return std::nullopt;
    function.code = keys(modifiers & 0x0F, keyUsage);
    return function;
}

std::optional<ButtonFunction> FireKeyFunction(const LanguageTable& language, long firstValue,
                                              long secondValue) {
    Text name = language.text(kFireKeyText);
    if (name.empty()) return std::nullopt;
    dropTrailingPlus(name);
    return ButtonFunction{std::move(name),
                          code(ButtonFunctionType::FireKey, static_cast<uint8_t>(firstValue),
                               static_cast<uint8_t>(secondValue))};
}

ButtonFunction MacroFunction(const LanguageTable& language, TextView macroName) {
    return {language.text(kMacroPrefixText) + Text(macroName),
            code(ButtonFunctionType::Macro, 0, 0)};
}

}  // namespace vexmo
