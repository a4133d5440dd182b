// The main window: owns the configuration, the macro library and the device session for the
// whole run, routes every control notice, timer and device notice to the part that acts on it,
// lives in the tray, and shuts down in order.
#pragma once

#include <memory>
#include <string>

#include "app/MainDisplay.h"
#include "base/Clock.h"
#include "device/DeviceHost.h"
#include "device/DeviceSession.h"
#include "macros/MacroLibrary.h"
#include "settings/ConfigModel.h"
#include "ui/CDlgBase.h"

namespace vexmo {

namespace hid {
class HidBackend;
}
class CAttentionDlg;
class DpiSectionController;
class OsdPresenter;
class SensorSettingsController;

// Messages of the main window.
namespace msg {
constexpr uint32_t kActivateInstance = 2999;
constexpr uint32_t kTrayNotify = 1056;
constexpr uint32_t kDeviceChangeReport = 1067;  // wparam 1, lparam polling | level << 8
constexpr uint32_t kDeviceChange = 0x0219;      // wparam kArrival or kRemoval
constexpr uintptr_t kArrival = 0x8000;
constexpr uintptr_t kRemoval = 0x8004;
constexpr uint32_t kCommand = 0x0111;  // wparam the command
constexpr uintptr_t kShowWindow = 2075;
constexpr uintptr_t kExit = 2076;
}  // namespace msg

// Timers of the main window that the device side does not own.
namespace timer {
constexpr int kLeftClickWarning = 20;
constexpr int kOsd = 50;
constexpr int kProfileAction = 60;
constexpr int kMissingMouse = 80;
constexpr int kMissingMouseMs = 2000;
}  // namespace timer

struct AppOptions {
    std::string dataDirectory;  // ends with '/'
    std::string locale;         // chooses the language installed on a first start
};

class CVexmoDlg : public ui::CDlgBase, public DeviceHost {
public:
    static constexpr uint32_t kTrayIconId = 128;
    static constexpr const char16_t* kTitle = u"Tessik TK-508 Gaming mouse";

    CVexmoDlg(AppOptions options, hid::HidBackend& backend);
    ~CVexmoDlg() override;

    // Runs the window until the program ends, then the shutdown; returns the exit status.
    int Run();
    // After the window has ended: pending files written, device handles closed, tray icon
    // removed. Run does it; tests that create the window themselves call it.
    void Shutdown();

    // State, for the settings handlers and for tests.
    ConfigModel& model() { return model_; }
    MacroLibrary& library() { return library_; }
    DeviceSession& session() { return *session_; }
    MainDisplay& display() { return display_; }
    bool savePending() const { return savePending_; }
    // Redraws the affected parts after a settings change and schedules their upload.
    void SettingsChanged(unsigned uploadGroups);

    // DeviceHost
    void postDeviceChange(uint8_t pollingCode, uint8_t levelByte) override;
    void startTimer(int id, int ms) override { setTimer(id, ms); }
    void killTimer(int id) override { platform::Window::killTimer(id); }
    void showUploadProgress() override;
    void refreshDisplay() override;
    void setWorkingDpiPosition(int position) override;
    void onSensorChanged() override;
    void armDeferredSave() override;

    // Window
    bool OnInitDialog() override;
    intptr_t onMessage(const platform::Message& message) override;
    void onTimer(int id) override;
    void onCloseRequest() override;
    bool filterKey(const platform::KeyEvent& event) override;
    void DrawBackground(QPainter& painter, const QRect& client) override;

private:
    using Handler = void (CVexmoDlg::*)(const platform::Message&);
    struct Route {
        uint32_t first;
        uint32_t last;
        Handler handler;
    };
    static const Route kRoutes[];

    // Handlers of the routing table.
    void OnActivateInstance(const platform::Message&);
    void OnTrayNotify(const platform::Message& message);
    void OnCommand(const platform::Message& message);
    void OnDeviceChangeReport(const platform::Message& message);
    void OnDeviceChange(const platform::Message& message);
    void OnHideToTray(const platform::Message& message);
    void OnSectionHeader(const platform::Message& message);
    void OnButtonSlot(const platform::Message& message);
    void OnDpiControl(const platform::Message& message);
    void OnSensorControl(const platform::Message& message);
    void OnRestore(const platform::Message& message);
    void OnMouseSettings(const platform::Message& message);
    void OnLink(const platform::Message& message);
    void OnLaterFeature(const platform::Message&) {}

    void ShowWindowFromTray();
    void ExitProgram();
    void MissingMouseCheck();
    void HealthTick();
    void SaveFiles();

    AppOptions options_;
    ConfigModel model_;
    MacroLibrary library_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<DeviceSession> session_;
    MainDisplay display_;
    std::unique_ptr<OsdPresenter> osd_;
    std::unique_ptr<CAttentionDlg> missingMouseWarning_;
    std::unique_ptr<DpiSectionController> dpiSection_;
    std::unique_ptr<SensorSettingsController> sensorSettings_;
    bool savePending_ = false;
    bool shutDown_ = false;
};

}  // namespace vexmo
