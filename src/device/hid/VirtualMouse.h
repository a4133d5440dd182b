// The simulated mouse: both products with their HID interfaces, the firmware behind them, plug
// and unplug, the mouse's own DPI and polling buttons, and a log of every report exchanged.
// Thread-safe: reader threads may block in readInput while another thread sends.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "device/hid/HidBackend.h"
#include "device/hid/ReportTrace.h"
#include "device/hid/VirtualFirmware.h"

namespace vexmo::hid {

struct VirtualMouseState;

class VirtualMouse final : public HidBackend {
public:
    static constexpr uint16_t kVendor = 0x248A;
    static constexpr std::array<uint16_t, 2> kProducts = {0x5B2E, 0x5B2F};

    struct LogEntry {
        int64_t timeMs = 0;
        uint16_t product = 0;
        ReportDirection direction = ReportDirection::Set;
        std::vector<uint8_t> bytes;

        std::string line() const { return formatTraceLine(timeMs, direction, product, bytes); }
    };
    // Called after a product was plugged in (true) or unplugged (false), on the thread that did it.
    using HotplugCallback = std::function<void(uint16_t product, bool arrived)>;

    // Both products start plugged in, holding the factory configuration. The log takes its
    // times from the clock.
    explicit VirtualMouse(const Clock& clock, MouseConfig factory = MouseConfig::factory());
    ~VirtualMouse() override;
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    // Per product: its padding, then (when plugged in) its interfaces: a mouse, a keyboard, a
    // consumer-control and a system-control collection, the 33-byte input collection and the
    // 33-byte feature collection (product 0x5B2F lists the feature collection first).
    std::vector<InterfaceInfo> enumerate() override;
    std::unique_ptr<Device> open(const std::string& path) override;

    // Unrelated interfaces listed just before the product's own, to move these in the list.
    void setPadding(uint16_t product, size_t count);

    // Unplugging fails every device opened on the product (a blocked read returns -1); after
    // plugging in again the product must be opened anew. Unknown products are ignored.
    void plug(uint16_t product);
    void unplug(uint16_t product);
    bool isPlugged(uint16_t product) const;
    void setHotplugCallback(HotplugCallback callback);

    // The mouse's own buttons: the new DPI level (from 1, an enabled one) or polling code (1, 2,
    // 4 or 8) is stored and announced with input report 5 on product 0x5B2E's input interface,
    // or 0x5B2F's when 0x5B2E is unplugged. False when the value is impossible or nothing is
    // plugged in.
    bool pressDpiButton(int level);
    bool pressPollingButton(uint8_t code);
    // Values the status reply carries.
    void setBattery(uint8_t percent, uint8_t chargingState);
    void setSensorCode(uint8_t code);

    MouseConfig config() const;
    void setConfig(const MouseConfig& config);
    MouseStatus status() const;
    std::vector<LogEntry> log() const;
    void clearLog();
    // Every report that broke the protocol, and every misuse of an interface.
    std::vector<std::string> violations() const;
    void clearViolations();

private:
    bool pressButton(const std::function<bool(VirtualFirmware&)>& change);
    void setPlugged(uint16_t product, bool plugged);

    // Shared with the open devices, which may outlive the mouse.
    std::shared_ptr<VirtualMouseState> state_;
};

}  // namespace vexmo::hid
