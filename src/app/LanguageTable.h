// The 500 numbered interface texts and the interface font chosen with them.
#pragma once

#include <array>
#include <string>

#include "base/Text.h"

namespace vexmo {

struct UiFont {
    Text face = u"\u5B8B\u4F53";  // 宋体 until a language file has been read completely
    int height = 12;
    int charset = 134;
};

class LanguageTable {
public:
    static constexpr int kSize = 500;

    // Entry n, empty for entries no file set and for n outside 0..499.
    const Text& text(int n) const;
    void set(int n, Text value);  // ignored for n outside 0..499
    const UiFont& font() const { return font_; }
    void setFont(UiFont font) { font_ = std::move(font); }

    // Reads config/LanSetting.ini and the chosen language file below dataDirectory (which ends
    // with '/'); true when a language file was read completely.
    bool load(const std::string& dataDirectory, double uiScale);

private:
    std::array<Text, kSize> texts_{};
    UiFont font_{};
};

// Installs config/Lan_EN.txt, config/Lan.txt (UTF-16LE) and config/LanSetting.ini below
// dataDirectory when they are missing; never overwrites. English unless locale starts with "zh".
void InstallLanguageFiles(const std::string& dataDirectory, const std::string& locale);

}  // namespace vexmo
