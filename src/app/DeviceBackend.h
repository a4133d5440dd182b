// The HID access the program runs on: the real hidraw devices, or with --demo the simulated
// mouse (driven through VEXMO_DEMO_CONTROL), either one traced to VEXMO_HID_TRACE when set.
// Device arrivals and removals reach the main window as its device-change message.
#pragma once

#include <QSocketNotifier>
#include <memory>
#include <string>

#include "base/Clock.h"
#include "device/hid/HidBackend.h"

namespace vexmo {

namespace hid {
class ControlFifoReader;
class UdevMonitor;
class VirtualMouse;
}  // namespace hid
namespace platform {
class Window;
}

class DeviceBackend {
public:
    struct Options {
        bool demo = false;
        std::string tracePath;    // empty: no trace
        std::string controlPath;  // demo control FIFO; empty: none
    };

    explicit DeviceBackend(const Options& options);
    ~DeviceBackend();
    DeviceBackend(const DeviceBackend&) = delete;
    DeviceBackend& operator=(const DeviceBackend&) = delete;

    hid::HidBackend& backend() { return *active_; }
    hid::VirtualMouse* virtualMouse() const { return mouse_.get(); }
    // Starts delivering arrival and removal notices (and demo commands) to the window.
    void StartNotices(platform::Window& window);
    // Problems worth telling the user on the terminal (trace or control file unusable).
    const std::string& warning() const { return warning_; }

private:
    SteadyClock clock_;
    std::unique_ptr<hid::VirtualMouse> mouse_;
    std::unique_ptr<hid::HidBackend> real_;
    std::unique_ptr<hid::HidBackend> traced_;
    hid::HidBackend* active_ = nullptr;
    std::string controlPath_;
    std::unique_ptr<hid::ControlFifoReader> control_;
    std::unique_ptr<hid::UdevMonitor> udev_;
    std::unique_ptr<QSocketNotifier> udevNotifier_;
    std::string warning_;
};

}  // namespace vexmo
