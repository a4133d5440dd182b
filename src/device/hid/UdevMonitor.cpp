#include "device/hid/UdevMonitor.h"

#include <libudev.h>

#include <string_view>

namespace vexmo::hid {

UdevMonitor::UdevMonitor() {
    udev_ = udev_new();
    if (!udev_) return;
    udev_monitor* monitor = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor &&
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) >= 0 &&
        udev_monitor_enable_receiving(monitor) >= 0) {
        monitor_ = monitor;
        return;
    }
    if (monitor) udev_monitor_unref(monitor);
    udev_unref(udev_);
    udev_ = nullptr;
}

UdevMonitor::~UdevMonitor() {
    if (monitor_) udev_monitor_unref(monitor_);
    if (udev_) udev_unref(udev_);
}

int UdevMonitor::fd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_) : -1;
}

std::optional<UdevMonitor::Notice> UdevMonitor::receive() {
    if (!monitor_) return std::nullopt;
    // The monitor's socket does not block: no device means nothing is waiting.
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        const char* node = udev_device_get_devnode(device);
        std::optional<Notice> notice;
        if (action && node) {
            const std::string_view a = action;
            if (a == "add") notice = Notice{Change::Arrival, node};
            if (a == "remove") notice = Notice{Change::Removal, node};
        }
        udev_device_unref(device);
        if (notice) return notice;
    }
    return std::nullopt;
}

}  // namespace vexmo::hid
