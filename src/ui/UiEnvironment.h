// Process-wide values the toolkit reads: layout scale, font scale, program folder, interface font,
// and the selection masks that radio buttons and DPI level selectors share. Set once at start-up
// (tests set their own).
#pragma once

#include <cstdint>
#include <string>

#include "app/LanguageTable.h"

namespace vexmo::ui {

// Selection state shared by every radio button and every DPI level selector of the process.
struct SharedMasks {
    static constexpr uint32_t kInitialRadioMask = 0x280282;
    uint32_t radio = kInitialRadioMask;
    uint8_t dpiLevel = 0;
};

struct UiEnvironment {
    double uiScale = 1.0;        // 1.0, 1.5 or 2.0
    double fontDpiFactor = 1.0;  // logical DPI / 96
    std::string appDirectory;    // ends with '/'
    UiFont uiFont;               // face, pixel height, character set
    SharedMasks masks;
};

// The process's environment; Set replaces it (masks included).
UiEnvironment& Env();
void SetEnv(UiEnvironment env);

// A design-unit value scaled by UiScale, truncated.
inline int Scaled(double designUnits) {
    return static_cast<int>(designUnits * Env().uiScale);
}

}  // namespace vexmo::ui
