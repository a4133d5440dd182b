#include "performance/StorePageInProfile.h"

#include "app/MainDisplay.h"
#include "settings/ConfigModel.h"
#include "ui/CCheckButton.h"
#include "ui/CPowerManageButton.h"

namespace vexmo {

void StorePageInProfile(ConfigModel& model, MainDisplay& display) {
    model.currentSlotTab = model.currentSlot();
    ProfileRecord& profile = model.profiles[static_cast<size_t>(model.currentSlotTab)];
    display.holders().Store(profile);
    profile.setNumber(kMoveLightingOnOffMode, display.moveLighting()->ticked() ? 1 : 0);
    profile.setNumber(kMotionWakeup, display.motionWakeup()->ticked() ? 1 : 0);
    profile.setNumber(kPowerDownTime, display.sleepTime()->value());
    profile.currentDpiLevel = static_cast<uint8_t>(display.workingDpiPosition());
    profile.dpiOffOnFlag = display.dpiSwitchMask();
    profile.setNumber(kLiftDetectionHeight, display.liftNearSelected() ? 1 : 2);
}

}  // namespace vexmo
