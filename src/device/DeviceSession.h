// The device side of the main window: discovery and readers, the report protocol, the upload,
// changes reported by the mouse, status queries and the factory restore. Everything here runs on
// the window thread except the readers, which hand over through DeviceHost::postDeviceChange.
#pragma once

#include <cstdint>

#include "base/Clock.h"
#include "device/ConfigUploader.h"
#include "device/DeviceHost.h"
#include "device/DeviceLink.h"
#include "device/ReportSender.h"

namespace vexmo {

struct ConfigModel;
class MacroLibrary;

// Battery and charging state as the mouse last reported them.
struct DeviceStatus {
    uint8_t battery = 10;  // percent
    uint8_t charging = 0;  // 0 on battery, 1 charging, 2 full
};

class DeviceSession {
public:
    enum class Notice { Arrival, Removal };
    enum class NoticeResult { Ignored, Handled, LastRemoved };

    DeviceSession(ConfigModel& model, MacroLibrary& library, hid::HidBackend& backend, Clock& clock,
                  DeviceHost& host);

    // Start-up: notices registered, shadows primed, the mouse searched, and on a first arrival
    // its status queried and the display refreshed.
    void Start();
    // Scans, (re)opens and restarts readers; starts the health timer when connected and uploads
    // whatever differs.
    void ConnectDevices();
    // A hot-plug notice of the HID class. LastRemoved: the last product went away and the
    // program is to end.
    NoticeResult OnDeviceChange(Notice notice);

    // A settings change: the groups are sent by the upload timer 20 ms later.
    void ScheduleUpload(unsigned groups);
    // Timer 30.
    void UploadPending();
    // Timer 110, before the battery display: readers restarted and the status queried every 21st
    // tick.
    void OnHealthTick();
    // Message 1067: a change made with the mouse's own buttons.
    void ApplyDeviceChange(uint8_t pollingCode, uint8_t levelByte);
    // Queries the status and applies a valid reply.
    void QueryStatus();
    void HandleStatusReply(const Report& reply);
    // After the user confirmed: resets the mouse and the current profile (keeping its name),
    // writes that profile's file and primes the shadows. The caller shows the progress window.
    void RestoreFactorySettings();
    // Shutdown: closes the feature handles.
    void CloseHandles() { link_.CloseHandles(); }

    // Before the macro manager opens: the next upload refreshes the buttons' macro copies.
    void RequestMacroCopy() { uploader_.RequestMacroCopy(); }
    void PrimeShadows() { uploader_.PrimeShadows(); }

    const DeviceStatus& status() const { return status_; }
    int statusCheckCounter() const { return statusCheckCounter_; }
    void setStatusCheckCounter(int value) { statusCheckCounter_ = value; }
    DeviceLink& link() { return link_; }
    ConfigUploader& uploader() { return uploader_; }
    ReportSender& sender() { return sender_; }

private:
    ConfigModel& model_;
    DeviceHost& host_;
    DeviceLink link_;
    ReportSender sender_;
    ConfigUploader uploader_;
    DeviceStatus status_;
    int statusCheckCounter_ = 0;
};

// SensorId of a status reply's sensor code; 0 for a code that names no sensor.
uint16_t SensorIdOfCode(uint8_t code);

}  // namespace vexmo
