#include "buttons/ButtonCatalogue.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/LanguageTable.h"

namespace vexmo {
namespace {

// Every language text n reads "tn".
LanguageTable numberedTexts() {
    LanguageTable language;
    for (int n = 0; n < LanguageTable::kSize; ++n)
        language.set(n, u"t" + formatDec(n));
    return language;
}

// One line per item: its id, its text and what choosing it does.
std::string describe(const ButtonMenuItem& item, const LanguageTable& language) {
    std::string out = std::to_string(item.itemId) + " " + toUtf8(ItemText(item, language)) + " ";
    if (const auto function = MenuFunction(item, language)) {
        EXPECT_EQ(function->name, ItemText(item, language));
        char hex[16];
        std::snprintf(hex, sizeof hex, "%02X %02X %02X", function->code[0], function->code[1],
                      function->code[2]);
        return out + hex;
    }
    if (const auto* submenu = std::get_if<ButtonSubmenu>(&item.target)) {
        return out + "submenu " + std::to_string(static_cast<int>(*submenu));
    }
    return out + "dialog " +
           std::to_string(static_cast<int>(std::get<AssignmentDialog>(item.target)));
}

std::string describe(ButtonSubmenu submenu, const SubmenuItem& item,
                     const LanguageTable& language) {
    const ButtonFunction function = SubmenuFunction(submenu, item, language);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%02X %02X %02X", function.code[0], function.code[1],
                  function.code[2]);
    return std::to_string(item.itemId) + " " + toUtf8(ItemText(item, language)) + " " +
           toUtf8(function.name) + " " + hex;
}

std::vector<std::string> describeSubmenu(ButtonSubmenu submenu) {
    const LanguageTable language = numberedTexts();
    std::vector<std::string> lines;
    for (const SubmenuItem& item : SubmenuItems(submenu))
        lines.push_back(describe(submenu, item, language));
    return lines;
}

TEST(ButtonCatalogue, ButtonMenu) {
    const LanguageTable language = numberedTexts();
    std::vector<std::string> lines;
    for (const ButtonMenuItem& item : ButtonMenuItems())
        lines.push_back(describe(item, language));
    const int dpiAction = static_cast<int>(ButtonSubmenu::DpiAction);
    const int multimedia = static_cast<int>(ButtonSubmenu::Multimedia);
    const int office = static_cast<int>(ButtonSubmenu::Office);
    const int windows = static_cast<int>(ButtonSubmenu::WindowManagement);
    const int dpiLock = static_cast<int>(ButtonSubmenu::DpiLock);
    const auto sub = [](int n) { return "submenu " + std::to_string(n); };
    const auto dialog = [](AssignmentDialog d) {
        return "dialog " + std::to_string(static_cast<int>(d));
    };
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "1 t20 10 01 00",
                         "2 t21 10 02 00",
                         "3 t22 10 04 00",
                         "4 t23 10 10 00",
                         "5 t24 10 08 00",
                         "6 t25 " + sub(dpiAction),
                         "7 t26 " + dialog(AssignmentDialog::FireKey),
                         "8 t27 30 32 03",
                         "9 t28 " + dialog(AssignmentDialog::MacroSelection),
                         "10 t29 " + dialog(AssignmentDialog::Shortcut),
                         "11 t30 " + sub(multimedia),
                         "12 t31 " + sub(office),
                         "13 t32 " + sub(windows),
                         "14 t36 " + sub(dpiLock),
                         "15 t34 00 00 00",
                     }));
    std::vector<int> withSubmenu;
    for (const ButtonMenuItem& item : ButtonMenuItems()) {
        if (item.hasSubmenu()) withSubmenu.push_back(item.itemId);
    }
    EXPECT_EQ(withSubmenu, (std::vector<int>{6, 11, 12, 13, 14}));
}

TEST(ButtonCatalogue, DpiActionSubmenu) {
    EXPECT_EQ(describeSubmenu(ButtonSubmenu::DpiAction),
              (std::vector<std::string>{"1 t40 t40 40 02 00", "2 t41 t41 40 03 00",
                                        "3 t42 t42 40 01 00"}));
}

TEST(ButtonCatalogue, MultimediaSubmenuSendsConsumerUsagesLowByteFirst) {
    EXPECT_EQ(
        describeSubmenu(ButtonSubmenu::Multimedia),
        (std::vector<std::string>{"1 t45 t45 80 83 01", "2 t46 t46 80 B6 00", "3 t47 t47 80 B5 00",
                                  "4 t48 t48 80 B7 00", "5 t49 t49 80 CD 00", "6 t50 t50 80 E2 00",
                                  "7 t51 t51 80 E9 00", "8 t52 t52 80 EA 00", "9 t53 t53 80 8A 01",
                                  "10 t54 t54 80 92 01"}));
}

TEST(ButtonCatalogue, OfficeSubmenu) {
    EXPECT_EQ(describeSubmenu(ButtonSubmenu::Office),
              (std::vector<std::string>{
                  "1 t60 t60 70 01 06", "2 t61 t61 70 01 19", "3 t62 t62 70 01 1B",
                  "4 t63 t63 70 01 04", "5 t64 t64 70 01 11", "6 t65 t65 70 01 16",
                  "7 t66 t66 70 01 13", "8 t67 t67 70 08 08", "9 t68 t68 70 01 1D"}));
}

TEST(ButtonCatalogue, WindowManagementSubmenu) {
    EXPECT_EQ(describeSubmenu(ButtonSubmenu::WindowManagement),
              (std::vector<std::string>{"1 t75 t75 80 94 01", "2 t76 t76 70 04 3D",
                                        "3 t77 t77 70 08 07", "4 t78 t78 70 08 15",
                                        "5 t79 t79 70 08 51", "6 t80 t80 70 08 52"}));
}

TEST(ButtonCatalogue, DpiLockItemsShowTheLevelAndAreNamedAfterText36) {
    EXPECT_EQ(describeSubmenu(ButtonSubmenu::DpiLock),
              (std::vector<std::string>{
                  "1 200 t36-200 50 01 00", "2 300 t36-300 50 02 00", "3 400 t36-400 50 03 00",
                  "4 500 t36-500 50 04 00", "5 600 t36-600 50 05 00", "6 700 t36-700 50 06 00",
                  "7 800 t36-800 50 07 00", "8 900 t36-900 50 08 00", "9 1000 t36-1000 50 09 00",
                  "10 1100 t36-1100 50 0A 00", "11 1200 t36-1200 50 0B 00"}));
}

TEST(ButtonCatalogue, ShortcutNames) {
    struct Case {
        uint8_t modifiers;
        const char16_t* key;
        uint8_t usage;
        const char16_t* name;  // nullptr: nothing is assigned
        ButtonCode code;
    };
    const Case cases[] = {
        {kModifierCtrl | kModifierShift, u"A", 0x04, u"Ctrl+Shift+A", {0x70, 0x03, 0x04}},
        {kModifierWin | kModifierAlt | kModifierShift | kModifierCtrl,
         u"F1",
         0x3A,
         u"Ctrl+Shift+Alt+Win+F1",
         {0x70, 0x0F, 0x3A}},
        {kModifierWin, u"", 0, u"Win", {0x70, 0x08, 0x00}},
        {kModifierCtrl, u"", 0, u"Ctrl", {0x70, 0x01, 0x00}},
        {0, u"Undefined", 0x58, u"Undefined", {0x70, 0x00, 0x58}},
        {kModifierAlt, u"F13", 0, u"Alt+F13", {0x70, 0x04, 0x00}},
        {0, u"", 0, nullptr, {}},
    };
    for (const Case& c : cases) {
        const auto function = ShortcutFunction(c.modifiers, c.key, c.usage);
        if (c.name == nullptr) {
            EXPECT_FALSE(function.has_value());
            continue;
        }
        ASSERT_TRUE(function.has_value()) << toUtf8(c.name);
        EXPECT_EQ(function->name, c.name);
        EXPECT_EQ(function->code, c.code) << toUtf8(c.name);
    }
}

TEST(ButtonCatalogue, FireKeyIsNamedAfterText26WithoutItsPlus) {
    LanguageTable language = numberedTexts();
    language.set(26, u"Fire key+");
    EXPECT_EQ(FireKeyFunction(language, 50, 0), (ButtonFunction{u"Fire key", {0x30, 0x32, 0x00}}));
    language.set(26, u"Fire++");
    EXPECT_EQ(FireKeyFunction(language, 255, 256)->name, u"Fire+");
    EXPECT_EQ(FireKeyFunction(language, 255, 256)->code, (ButtonCode{0x30, 0xFF, 0x00}));
    language.set(26, u"+");
    EXPECT_EQ(FireKeyFunction(language, 5, 1)->name, u"");  // the text was not empty
    language.set(26, u"");
    EXPECT_FALSE(FireKeyFunction(language, 50, 0).has_value());
}

TEST(ButtonCatalogue, MacroFunctionPrefixesText190) {
    LanguageTable language = numberedTexts();
    language.set(190, u"Macro: ");
    EXPECT_EQ(MacroFunction(language, u"Combo"),
              (ButtonFunction{u"Macro: Combo", {0x90, 0x00, 0x00}}));
}

}  // namespace
}  // namespace vexmo
