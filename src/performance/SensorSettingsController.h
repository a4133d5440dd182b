// The main window's sensor and report settings: polling rate, lift-off distance, sleep time,
// lighting while moving and motion wake-up.
#pragma once

#include <cstdint>

namespace vexmo {

class CVexmoDlg;

class SensorSettingsController {
public:
    explicit SensorSettingsController(CVexmoDlg& window) : window_(window) {}

    // A notice of 3030..3033, 3500, 3501, 3504, 3510 or 3511.
    void OnControl(int controlId, intptr_t event);

private:
    CVexmoDlg& window_;
};

}  // namespace vexmo
