#include "performance/DpiSectionController.h"

#include "app/CVexmoDlg.h"
#include "device/ConfigUploader.h"
#include "performance/CColorPaletteDlg.h"
#include "performance/CDPIValueSettingDlg.h"
#include "performance/StorePageInProfile.h"
#include "ui/CCheckButton.h"
#include "ui/CColorSelectButton.h"

namespace vexmo {

int PositionAfterSwitch(uint8_t flagsBefore, int position, int level, bool nowOn) {
    const int active = DpiStepTable::LevelOfPosition(flagsBefore, position);
    if (active < 0) return position;
    if (nowOn) return active > level ? position + 1 : position;
    if (active == level) return position > 0 ? position - 1 : position;
    if (active > level) return position - 1;
    return position;
}

void DpiSectionController::OnControl(int controlId, intptr_t event) {
    if (event != ui::kClicked) return;
    if (controlId >= id::kFirstDpiSwitch && controlId < id::kFirstDpiSwitch + 8) {
        SwitchClicked(controlId - id::kFirstDpiSwitch);
    } else if (controlId >= id::kFirstDpiColour && controlId < id::kFirstDpiColour + 8) {
        ColourClicked(controlId - id::kFirstDpiColour);
    } else if (controlId >= id::kFirstDpiValue && controlId < id::kFirstDpiValue + 8) {
        ValueClicked(controlId - id::kFirstDpiValue);
    }
    // A level label only changes the labels' own highlighting.
}

void DpiSectionController::SwitchClicked(int level) {
    MainDisplay& display = window_.display();
    ConfigModel& model = window_.model();
    ui::CCheckButton* sw = display.dpiSwitch(level);
    const uint8_t before = model.currentProfile().dpiOffOnFlag;
    if (before == (1u << level)) {
        // The last enabled level cannot be switched off.
        sw->SetTicked(true);
        window_.invalidate(sw->qrect());
        return;
    }
    display.setWorkingDpiPosition(
        PositionAfterSwitch(before, display.workingDpiPosition(), level, sw->ticked()));
    StorePageInProfile(model, display);
    window_.refreshDisplay();
    window_.SettingsChanged(kUploadPerformance);
}

void DpiSectionController::ColourClicked(int level) {
    ConfigModel& model = window_.model();
    CColorPaletteDlg palette(model.language, model.currentProfile(), level);
    if (palette.DoModal(&window_) != CFramedDlg::kOk) return;
    ui::CColorSelectButton* swatch = window_.display().dpiColour(level);
    swatch->SetColor(model.currentProfile().dpiLevelIndication[level]);
    window_.invalidate(swatch->qrect());
    window_.SettingsChanged(kUploadPerformance);
}

void DpiSectionController::ValueClicked(int level) {
    ConfigModel& model = window_.model();
    CDPIValueSettingDlg dialog(model.language, model.dpiSteps, model.dpiSteps.count(),
                               model.currentProfile().xySetting[level]);
    if (dialog.DoModal(&window_) != CFramedDlg::kOk) return;
    // The modal run kept the timers going: take the profile that is current now.
    model.currentProfile().xySetting[level] = static_cast<uint16_t>(dialog.chosenStep());
    window_.display().RefreshDpi(model);
    window_.invalidate();
    window_.SettingsChanged(kUploadPerformance);
}

}  // namespace vexmo
