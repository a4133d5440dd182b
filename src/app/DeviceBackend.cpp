#include "app/DeviceBackend.h"

#include <cstdio>

#include "app/CVexmoDlg.h"
#include "device/hid/ControlFifoReader.h"
#include "device/hid/HidrawBackend.h"
#include "device/hid/TracingBackend.h"
#include "device/hid/UdevMonitor.h"
#include "device/hid/VirtualMouse.h"
#include "device/hid/VirtualMouseControl.h"
#include "platform/Window.h"

namespace vexmo {

DeviceBackend::DeviceBackend(const Options& options) : controlPath_(options.controlPath) {
    hid::HidBackend* inner = nullptr;
    if (options.demo) {
        mouse_ = std::make_unique<hid::VirtualMouse>(clock_);
        inner = mouse_.get();
    } else {
        real_ = std::make_unique<hid::HidrawBackend>();
        inner = real_.get();
    }
    active_ = inner;
    if (!options.tracePath.empty()) {
        auto traced = std::make_unique<hid::TracingBackend>(*inner, options.tracePath, clock_);
        if (traced->tracing()) {
            traced_ = std::move(traced);
            active_ = traced_.get();
        } else {
            warning_ = "cannot write the HID trace to " + options.tracePath;
        }
    }
}

DeviceBackend::~DeviceBackend() {
    if (control_) control_->stop();
    if (mouse_) mouse_->setHotplugCallback({});
}

void DeviceBackend::StartNotices(platform::Window& window) {
    auto notify = [&window](bool arrived) {
        window.post(msg::kDeviceChange, arrived ? msg::kArrival : msg::kRemoval, 0);
    };
    if (mouse_) {
        mouse_->setHotplugCallback([notify](uint16_t, bool arrived) { notify(arrived); });
        if (!controlPath_.empty()) {
            hid::VirtualMouse* mouse = mouse_.get();
            control_ = std::make_unique<hid::ControlFifoReader>(
                controlPath_,
                [mouse](const std::string& line) { hid::VirtualMouseControl(*mouse).apply(line); });
            if (!control_->start()) warning_ = "demo control: " + control_->error();
        }
        return;
    }
    udev_ = std::make_unique<hid::UdevMonitor>();
    if (!udev_->valid()) return;
    udevNotifier_ = std::make_unique<QSocketNotifier>(udev_->fd(), QSocketNotifier::Read);
    QObject::connect(udevNotifier_.get(), &QSocketNotifier::activated, [this, notify] {
        while (auto notice = udev_->receive())
            notify(notice->change == hid::UdevMonitor::Change::Arrival);
    });
}

}  // namespace vexmo
