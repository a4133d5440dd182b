#include "performance/SensorSettingsController.h"

#include "app/CVexmoDlg.h"
#include "device/ConfigUploader.h"
#include "performance/StorePageInProfile.h"
#include "ui/CCheckButton.h"
#include "ui/CPowerManageButton.h"

namespace vexmo {

namespace {

// What the polling radios store: the index and its name (capital Z, like the factory default).
constexpr const char16_t* kPollingNames[4] = {u"125HZ", u"250HZ", u"500HZ", u"1000HZ"};

}  // namespace

void SensorSettingsController::OnControl(int controlId, intptr_t event) {
    if (event != ui::kClicked) return;
    ConfigModel& model = window_.model();
    MainDisplay& display = window_.display();
    ProfileRecord& profile = model.currentProfile();
    switch (controlId) {
        case id::kFirstPollingRadio:
        case id::kFirstPollingRadio + 1:
        case id::kFirstPollingRadio + 2:
        case id::kFirstPollingRadio + 3: {
            const int index = display.selectedPollingIndex();
            profile.pollingRateValue = {static_cast<uint8_t>(index), 0, 0};
            profile.pollingRateName = kPollingNames[index];
            window_.SettingsChanged(kUploadPerformance);
            window_.refreshDisplay();
            break;
        }
        case id::kLiftNear:
        case id::kLiftFar:
            window_.invalidate();
            StorePageInProfile(model, display);
            window_.SettingsChanged(kUploadPerformance);
            break;
        case id::kSleepTime:
            profile.setPowerDownTime(display.sleepTime()->value());
            window_.SettingsChanged(kUploadPower);
            window_.refreshDisplay();
            break;
        case id::kMoveLighting:
            profile.setMoveLighting(display.moveLighting()->ticked() ? 1 : 0);
            window_.SettingsChanged(kUploadPower);
            window_.refreshDisplay();
            break;
        case id::kMotionWakeup:
            profile.setMotionWakeup(display.motionWakeup()->ticked() ? 1 : 0);
            window_.SettingsChanged(kUploadMotionWakeup);
            window_.refreshDisplay();
            break;
        default:
            break;
    }
}

}  // namespace vexmo
