// Simulated mouse firmware: checks every feature report against the report protocol, applies the
// valid ones to its configuration, reassembles macro packets and answers status queries.
// Not thread-safe: VirtualMouse serialises all calls.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vexmo::hid {

// What the mouse holds, as the payload bytes of the commands that set it.
struct MouseConfig {
    std::array<std::array<uint8_t, 3>, 6> buttons{};  // function code by device button
    std::array<uint8_t, 18> dpi{};                    // payload of command 0x05
    std::array<uint8_t, 24> dpiColours{};             // payload of command 0x06 (R, G, B each)
    uint8_t pollingCode = 0;                          // 1, 2, 4 or 8
    uint8_t liftCode = 0;                             // 1 or 2
    uint8_t debounce = 0;
    std::vector<uint8_t> lighting;  // payload of command 0x08; its size is the length byte
    uint8_t powerDownTime = 0;
    uint8_t moveLighting = 0;
    uint8_t motionWakeup = 0;
    std::map<uint8_t, std::vector<uint8_t>> macros;  // device macro number -> 3-byte steps

    // Active DPI level counted from 1, and the number of enabled levels.
    int activeLevel() const { return dpi[0] >> 4; }
    int enabledLevels() const { return dpi[0] & 0x0F; }

    // The configuration a profile reset for sensor 0x3325 describes.
    static MouseConfig factory();

    bool operator==(const MouseConfig&) const = default;
};

struct MouseStatus {
    uint8_t sensorCode = 0x25;
    uint8_t battery = 80;  // percent
    uint8_t charging = 0;  // 0 on battery, 1 charging, 2 full

    bool operator==(const MouseStatus&) const = default;
};

class VirtualFirmware {
public:
    static constexpr size_t kReportLength = 33;
    static constexpr uint8_t kFeatureReportId = 0x0C;
    static constexpr uint8_t kInputReportId = 0x05;
    static constexpr uint16_t kRestoreProduct = 0x5B2F;
    using Report = std::array<uint8_t, kReportLength>;

    explicit VirtualFirmware(MouseConfig factory = MouseConfig::factory());

    // A feature report received through product. False when the transfer itself fails (not 33
    // bytes, not report 0x0C); every fault is recorded, and only faultless reports are applied.
    bool receive(uint16_t product, std::span<const uint8_t> report);
    // What a feature read through product returns: the status after a status query, else an
    // empty report 0x0C.
    Report reply(uint16_t product) const;
    // The product went away: its pending status and any unfinished macro transfer are dropped.
    void forget(uint16_t product);

    // Changes made with the mouse's own buttons; false when the value is impossible.
    bool setActiveLevel(int level);
    bool setPollingCode(uint8_t code);
    // Input report 5 announcing the current polling code and DPI level.
    Report changeReport() const;

    const MouseConfig& config() const { return config_; }
    void setConfig(const MouseConfig& config) { config_ = config; }
    const MouseStatus& status() const { return status_; }
    void setStatus(const MouseStatus& status) { status_ = status; }

    const std::vector<std::string>& violations() const { return violations_; }
    void addViolation(std::string text) { violations_.push_back(std::move(text)); }
    void clearViolations() { violations_.clear(); }

private:
    struct MacroTransfer {
        uint8_t macro = 0;
        int count = 0;
        int next = 0;
        std::vector<uint8_t> bytes;
    };
    struct Channel {                            // per product
        std::optional<uint8_t> statusSequence;  // set by a status query until the next report
        std::optional<MacroTransfer> transfer;
    };
    class Check;

    bool checkCommand(Check& check, uint16_t product, std::span<const uint8_t> r);
    void receiveMacroPacket(Check& check, Channel& channel, std::span<const uint8_t> r);
    void apply(std::span<const uint8_t> r);

    MouseConfig factory_;
    MouseConfig config_;
    MouseStatus status_;
    std::map<uint16_t, Channel> channels_;
    std::vector<std::string> violations_;
};

}  // namespace vexmo::hid
