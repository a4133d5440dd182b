#include "device/DeviceSession.h"

#include "performance/DpiStepTable.h"
#include "settings/ConfigModel.h"
#include "settings/ProfileFile.h"

namespace vexmo {

namespace {

constexpr int kStatusCheckEvery = 20;  // a full check on every 21st tick
constexpr int kCheckSoon = 19;         // two ticks later

struct PollingChoice {
    uint8_t index;
    const char16_t* name;
};

PollingChoice pollingOfCode(uint8_t code) {
    switch (code) {
        case 8:
            return {0, u"125Hz"};
        case 4:
            return {1, u"250Hz"};
        case 2:
            return {2, u"500Hz"};
        default:
            return {3, u"1000Hz"};
    }
}

}  // namespace

uint16_t SensorIdOfCode(uint8_t code) {
    switch (code) {
        case 0x04:
            return 0x3104;
        case 0x11:
            return 0x3311;
        case 0x12:
            return 0x3212;
        case 0x25:
            return 0x3325;
        case 0x27:
            return 0x3327;
        case 0x35:
            return 0x3335;
        case 0x60:
            return 0x3360;
        case 0x70:
            return 0x3370;
        case 0x89:
            return 0x3389;
        case 0x95:
            return 0x3395;
        case 0x99:
            return 0x3399;
        default:
            return 0;
    }
}

DeviceSession::DeviceSession(ConfigModel& model, MacroLibrary& library, hid::HidBackend& backend,
                             Clock& clock, DeviceHost& host)
    : model_(model),
      host_(host),
      link_(backend,
            [&host](uint8_t polling, uint8_t level) { host.postDeviceChange(polling, level); }),
      sender_(link_, clock),
      uploader_(model, library, sender_) {}

void DeviceSession::Start() {
    link_.RegisterDeviceNotices();
    uploader_.PrimeShadows();
    ConnectDevices();
    if (link_.connected() && link_.firstArrivalPending()) {
        link_.setFirstArrivalPending(false);
        QueryStatus();
        host_.refreshDisplay();
    }
}

void DeviceSession::ConnectDevices() {
    if (link_.ConnectDevices()) host_.startTimer(timer::kDeviceHealth, timer::kDeviceHealthMs);
    uploader_.MarkPending(kUploadButtons | kUploadPerformance | kUploadPower);
    uploader_.SuppressProgressOnce();
    host_.startTimer(timer::kUpload, timer::kUploadDelayMs);
}

DeviceSession::NoticeResult DeviceSession::OnDeviceChange(Notice notice) {
    const bool anyPresent = link_.present(0) || link_.present(1);
    if (notice == Notice::Arrival) {
        if (link_.present(0) && link_.present(1)) return NoticeResult::Ignored;
        ConnectDevices();
        statusCheckCounter_ = kCheckSoon;
        if (link_.connected() && link_.firstArrivalPending()) {
            link_.setFirstArrivalPending(false);
            QueryStatus();
            host_.refreshDisplay();
        }
        host_.refreshDisplay();
        return NoticeResult::Handled;
    }
    if (!anyPresent) return NoticeResult::Ignored;
    ConnectDevices();
    statusCheckCounter_ = kCheckSoon;
    if (!link_.connected()) {
        link_.setFirstArrivalPending(true);
        return NoticeResult::LastRemoved;
    }
    return NoticeResult::Handled;
}

void DeviceSession::ScheduleUpload(unsigned groups) {
    uploader_.MarkPending(groups);
    host_.startTimer(timer::kUpload, timer::kUploadDelayMs);
}

void DeviceSession::UploadPending() {
    const ConfigUploader::Result result = uploader_.UploadPending();
    if (!result.ran) return;
    if (result.showProgress) {
        statusCheckCounter_ = 0;
        host_.showUploadProgress();
    }
    host_.armDeferredSave();
    host_.refreshDisplay();
}

void DeviceSession::OnHealthTick() {
    if (statusCheckCounter_ < kStatusCheckEvery) {
        ++statusCheckCounter_;
        return;
    }
    statusCheckCounter_ = 0;
    for (int product = 0; product < kProductCount; ++product) {
        if (link_.present(product) && !link_.readerRunning(product)) {
            ConnectDevices();
            statusCheckCounter_ = kCheckSoon;
        }
    }
    QueryStatus();
}

void DeviceSession::ApplyDeviceChange(uint8_t pollingCode, uint8_t levelByte) {
    ProfileRecord& profile = model_.currentProfile();
    // Levels count from 1; a report of level 0 would store an impossible position, so its level
    // part is left out and only the polling rate is taken.
    if (levelByte >= 1) {
        profile.currentDpiLevel = static_cast<uint8_t>(levelByte - 1);
        host_.setWorkingDpiPosition(profile.currentDpiLevel);
    }
    const PollingChoice polling = pollingOfCode(pollingCode);
    profile.pollingRateValue = {polling.index, 0, 0};
    profile.pollingRateName = polling.name;
    host_.refreshDisplay();
    uploader_.PrimeShadows();
}

void DeviceSession::QueryStatus() {
    if (const auto reply = sender_.QueryStatus()) HandleStatusReply(*reply);
}

void DeviceSession::HandleStatusReply(const Report& reply) {
    if (reply[2] != 0x20 || reply[3] != 0x00 || reply[6] == 0) return;
    const uint16_t sensor = SensorIdOfCode(reply[15]);
    if (sensor != 0 && sensor != model_.sensorId && model_.ChangeSensor(sensor)) {
        host_.onSensorChanged();
    }
    status_.battery = reply[18];
    switch (reply[19]) {
        case 1:
            status_.charging = 1;
            break;
        case 2:
            status_.charging = 2;
            status_.battery = 100;
            break;
        default:
            status_.charging = 0;
            break;
    }
}

void DeviceSession::RestoreFactorySettings() {
    sender_.SendRestore();
    const int slot = model_.currentSlot();
    ProfileRecord& profile = model_.profiles[static_cast<size_t>(slot)];
    Text name = profile.value(kProfileName);
    ResetProfile(profile, slot, model_.language, model_.sensorId);
    profile.setValue(kProfileName, std::move(name));
    SaveProfileFile(profile, model_.profilePath(slot));
    uploader_.PrimeShadows();
    host_.refreshDisplay();
    statusCheckCounter_ = 0;
}

}  // namespace vexmo
