// Arrival and removal notices of hidraw nodes from udev. The descriptor is meant for the event
// loop (a socket notifier); receive() never blocks.
#pragma once

#include <optional>
#include <string>

struct udev;
struct udev_monitor;

namespace vexmo::hid {

class UdevMonitor {
public:
    enum class Change { Arrival, Removal };
    struct Notice {
        Change change;
        std::string devnode;  // "/dev/hidraw3"
    };

    // An invalid monitor (fd() -1, nothing received) when udev is not reachable.
    UdevMonitor();
    ~UdevMonitor();
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    bool valid() const { return monitor_ != nullptr; }
    int fd() const;
    // The next waiting arrival or removal; other actions are skipped. nullopt when none waits.
    std::optional<Notice> receive();

private:
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
};

}  // namespace vexmo::hid
