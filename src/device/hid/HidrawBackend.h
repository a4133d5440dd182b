// HID interfaces through the kernel's hidraw nodes: sysfs lists and describes them, the device
// nodes carry the reports. Each top-level collection of a node is listed as its own interface.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/hid/HidBackend.h"

namespace vexmo::hid {

class HidrawBackend final : public HidBackend {
public:
    // The roots are parameters so that tests can run on a fake tree.
    explicit HidrawBackend(std::string sysfsRoot = "/sys", std::string devRoot = "/dev");

    // Nodes in numeric order (hidraw10 after hidraw9), each node's collections in descriptor
    // order. Paths are "<devRoot>/hidrawN#C" with C the collection's position in the node.
    std::vector<InterfaceInfo> enumerate() override;
    std::unique_ptr<Device> open(const std::string& path) override;

private:
    std::vector<InterfaceInfo> describeNode(unsigned node) const;

    std::string sysfsRoot_;
    std::string devRoot_;
};

// One open hidraw node, used through one of its collections.
class HidrawDevice final : public Device {
public:
    // Takes ownership of fd (a hidraw node, or in tests any descriptor that behaves alike);
    // nullptr (fd closed) when the interrupt event cannot be created.
    static std::unique_ptr<HidrawDevice> adopt(int fd, InterfaceInfo info);
    ~HidrawDevice() override;
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    const InterfaceInfo& info() const override { return info_; }
    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;
    // Hang-up, an error, end of file or interrupt() end the read with -1.
    int readInput(std::span<uint8_t> buffer) override;
    void interrupt() override;

private:
    HidrawDevice(int fd, int wakeFd, InterfaceInfo info);

    int fd_;
    int wakeFd_;  // eventfd; once signalled it stays readable, so every later read ends too
    InterfaceInfo info_;
};

}  // namespace vexmo::hid
