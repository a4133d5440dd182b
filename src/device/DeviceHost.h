// What the device side asks of the main window: its timers, its display, the progress window,
// and the thread-safe hand-over of a change reported by the mouse.
#pragma once

#include <cstdint>

namespace vexmo {

// Timers of the main window that the device side starts.
namespace timer {
constexpr int kUpload = 30;         // 20 ms, one-shot: send what is pending
constexpr int kSave = 70;           // 10 s, one-shot: write the settings and profile files
constexpr int kDeviceHealth = 110;  // 1 s, repeating: readers, status and battery
constexpr int kUploadDelayMs = 20;
constexpr int kSaveDelayMs = 10000;
constexpr int kDeviceHealthMs = 1000;
}  // namespace timer

class DeviceHost {
public:
    virtual ~DeviceHost() = default;
    // Any thread: a reader hands over a change report (message 1067 with the two bytes).
    virtual void postDeviceChange(uint8_t pollingCode, uint8_t levelByte) = 0;
    virtual void startTimer(int id, int ms) = 0;
    virtual void killTimer(int id) = 0;
    // Modal progress window after an upload that sent something, and after a factory restore.
    virtual void showUploadProgress() = 0;
    // Redraw everything from the current profile.
    virtual void refreshDisplay() = 0;
    // The DPI section's working position follows a level the mouse reported.
    virtual void setWorkingDpiPosition(int position) = 0;
    // The sensor changed: sensor option header, DPI displays' maximum, redraw.
    virtual void onSensorChanged() = 0;
    // Files are due: kill timer 70, mark the save pending, start timer 70.
    virtual void armDeferredSave() = 0;
};

}  // namespace vexmo
