// Feeds arbitrary bytes to the device side as the mouse could send them: the first byte chooses
// a status reply (odd) or a change report (even). Whatever arrives, nothing is read or written
// out of bounds, the current slot stays a slot, and the charging state stays one of the three.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzFiles.h"
#include "base/Clock.h"
#include "device/DeviceSession.h"
#include "device/hid/VirtualMouse.h"
#include "macros/MacroLibrary.h"
#include "settings/ConfigModel.h"

namespace {

class QuietHost final : public vexmo::DeviceHost {
public:
    void postDeviceChange(uint8_t, uint8_t) override {}
    void startTimer(int, int) override {}
    void killTimer(int) override {}
    void showUploadProgress() override {}
    void refreshDisplay() override {}
    void setWorkingDpiPosition(int) override {}
    void onSensorChanged() override {}
    void armDeferredSave() override {}
};

struct Setup {
    vexmo::ManualClock clock;
    vexmo::ConfigModel model;
    vexmo::MacroLibrary library;
    vexmo::hid::VirtualMouse mouse{clock};
    QuietHost host;
    vexmo::DeviceSession session{model, library, mouse, clock, host};

    Setup() {
        model.dataDirectory = vexmo::fuzz::ScratchPath("data/");
        std::filesystem::create_directories(model.dataDirectory + "config");
        model.LoadSettings();
        model.BuildDpiSteps();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Setup setup;
    if (size < 2) return 0;
    vexmo::Report report{};
    std::copy(data + 1, data + std::min<size_t>(size, report.size() + 1), report.begin());
    if (data[0] & 1) {
        setup.session.HandleStatusReply(report);
    } else if (report[0] == 0x05 && report[1] == 0x06) {
        setup.session.ApplyDeviceChange(report[3], report[4]);
    }
    const int slot = setup.model.currentSlot();
    if (slot < 0 || slot > 4) std::abort();
    if (setup.session.status().charging > 2) std::abort();
    if (setup.session.status().charging == 2 && setup.session.status().battery != 100) std::abort();
    return 0;
}
