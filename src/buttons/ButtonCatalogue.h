// Every function a mouse button can be given: the button menu, its submenus and the functions the
// assignment dialogs make, each with its display name and three-byte code.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <variant>

#include "base/Text.h"
#include "settings/ProfileRecord.h"

namespace vexmo {

class LanguageTable;

// Code byte 0.
enum class ButtonFunctionType : uint8_t {
    Disabled = 0x00,
    MouseButton = 0x10,
    FireKey = 0x30,
    DpiAction = 0x40,
    DpiLock = 0x50,
    KeyCombination = 0x70,
    ConsumerKey = 0x80,
    Macro = 0x90,
};

// Modifier bits of a key combination (code byte 1).
enum KeyModifier : uint8_t {
    kModifierCtrl = 0x01,
    kModifierShift = 0x02,
    kModifierAlt = 0x04,
    kModifierWin = 0x08,
};

enum class ButtonSubmenu : uint8_t { DpiAction, Multimedia, Office, WindowManagement, DpiLock };
enum class AssignmentDialog : uint8_t { FireKey, MacroSelection, Shortcut };

// What choosing a button-menu item does: assign a function, open a submenu or open a dialog.
using ButtonMenuTarget = std::variant<ButtonCode, ButtonSubmenu, AssignmentDialog>;

struct ButtonMenuItem {
    int itemId;     // 1..15, the position in the menu
    int textEntry;  // language text
    ButtonMenuTarget target;

    bool hasSubmenu() const { return std::holds_alternative<ButtonSubmenu>(target); }
};

struct SubmenuItem {
    int itemId;          // 1-based position in its submenu
    int textEntry;       // language text; 0 where the text is fixed
    TextView fixedText;  // the DPI lock levels' texts
    ButtonCode code;
};

// A function as it is stored into a button: the choice record of menus and dialogs.
struct ButtonFunction {
    Text name;
    ButtonCode code{};

    bool operator==(const ButtonFunction&) const = default;
};

// The button menu's 15 items in menu order.
std::span<const ButtonMenuItem> ButtonMenuItems();
// A submenu's items in menu order.
std::span<const SubmenuItem> SubmenuItems(ButtonSubmenu submenu);

// The text an item shows in its menu.
Text ItemText(const ButtonMenuItem& item, const LanguageTable& language);
Text ItemText(const SubmenuItem& item, const LanguageTable& language);

// The function a button-menu item assigns; nullopt for items that open a submenu or a dialog.
std::optional<ButtonFunction> MenuFunction(const ButtonMenuItem& item,
                                           const LanguageTable& language);
// The function a submenu item assigns (a DPI lock is named "<text 36>-<level>").
ButtonFunction SubmenuFunction(ButtonSubmenu submenu, const SubmenuItem& item,
                               const LanguageTable& language);

// The shortcut dialog's function: "Ctrl+", "Shift+", "Alt+", "Win+" for the modifier bits, then
// the key's name (empty when no key was captured), less one trailing "+". nullopt for an empty
// name, which assigns nothing.
std::optional<ButtonFunction> ShortcutFunction(uint8_t modifiers, TextView keyName,
                                               uint8_t keyUsage);
// The fire-key dialog's function, named by language text 26 less one trailing "+"; the values
// keep their low 8 bits. nullopt when text 26 is empty.
std::optional<ButtonFunction> FireKeyFunction(const LanguageTable& language, long firstValue,
                                              long secondValue);
// The macro selection dialog's function: language text 190 followed by the macro's name. The
// upload fills in code bytes 1 and 2.
ButtonFunction MacroFunction(const LanguageTable& language, TextView macroName);

}  // namespace vexmo
