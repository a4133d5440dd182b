#include "device/hid/VirtualFirmware.h"

#include <algorithm>
#include <bit>
#include <cstdarg>
#include <cstdio>

namespace vexmo::hid {
namespace {

constexpr size_t kPayload = 7;  // first payload byte
constexpr size_t kMacroChunk = 25;
constexpr size_t kMaxMacroSteps = 50;
constexpr uint8_t kMaxMacroNumber = 6;  // one per programmable button

enum Command : uint8_t {
    kButton = 0x04,
    kDpi = 0x05,
    kDpiColours = 0x06,
    kPolling = 0x07,
    kLighting = 0x08,
    kLift = 0x09,
    kDebounce = 0x0A,
    kPower = 0x0B,
    kMotionWakeup = 0x0C,
    kMacroPacket = 0x0E,
    kRestore = 0x0F,
    kStatus = 0x20,
};

struct FixedLength {
    uint8_t command;
    uint8_t length;
};
constexpr FixedLength kFixedLengths[] = {
    {kButton, 4},   {kDpi, 18},  {kDpiColours, 24},  {kPolling, 1}, {kLift, 2},
    {kDebounce, 1}, {kPower, 2}, {kMotionWakeup, 1}, {kRestore, 1}, {kStatus, 0},
};

// Payload length of a lighting command for the mode in byte 7; nullopt for an impossible
// colour count. Modes from 10 on carry no payload at all.
std::optional<size_t> lightingLength(std::span<const uint8_t> r) {
    switch (r[kPayload]) {
        case 0:
        case 4:
        case 5:
        case 8:
        case 9:
            return 2;
        case 1:
            return 3;
        case 2:
            if (r[kPayload + 2] > 7) return std::nullopt;
            return 3 + 3 * size_t{r[kPayload + 2]};
        case 3:
            return 5;
        case 6:
            return 23;
        case 7:
            return 8;
        default:
            return 0;
    }
}

bool isPollingCode(uint8_t code) {
    return code == 1 || code == 2 || code == 4 || code == 8;
}

}  // namespace

// Collects the faults of one report under a common prefix.
class VirtualFirmware::Check {
public:
    Check(std::vector<std::string>& sink, uint16_t product, std::optional<uint8_t> command)
        : sink_(sink) {
        char prefix[48];
        if (command) {
            std::snprintf(prefix, sizeof prefix, "%04x command 0x%02x: ", product, *command);
        } else {
            std::snprintf(prefix, sizeof prefix, "%04x: ", product);
        }
        prefix_ = prefix;
    }

    [[gnu::format(printf, 2, 3)]] void fail(const char* format, ...) {
        char text[160];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        sink_.push_back(prefix_ + text);
        ok_ = false;
    }

    // Bytes from `from` to the end must be zero.
    void zerosFrom(std::span<const uint8_t> r, size_t from) {
        for (size_t i = from; i < r.size(); ++i) {
            if (r[i] != 0) return fail("byte %zu past the payload is 0x%02x", i, r[i]);
        }
    }

    bool ok() const { return ok_; }

private:
    std::vector<std::string>& sink_;
    std::string prefix_;
    bool ok_ = true;
};

MouseConfig MouseConfig::factory() {
    MouseConfig c;
    c.buttons = {{{0x10, 0x01, 0x00},
                  {0x10, 0x02, 0x00},
                  {0x10, 0x04, 0x00},
                  {0x10, 0x08, 0x00},
                  {0x10, 0x10, 0x00},
                  {0x40, 0x01, 0x00}}};
    // Level 1 of 6 active (mask 0x3F); steps 10, 22, 30, 46, 51, 58 as device values + 1.
    c.dpi = {0x16, 0x3F, 0x0B, 0x00, 0x17, 0x00, 0x1F, 0x00, 0x2F,
             0x00, 0x34, 0x00, 0x3B, 0x00, 0x00, 0x00, 0x00, 0x00};
    c.dpiColours = {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
                    0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    c.pollingCode = 1;
    c.liftCode = 2;
    c.debounce = 12;
    c.lighting = {0x01, 0x22, 0x01};  // mode 1, brightness and speed 1, direction 1
    c.powerDownTime = 6;
    c.moveLighting = 0;
    c.motionWakeup = 1;
    return c;
}

VirtualFirmware::VirtualFirmware(MouseConfig factory)
    : factory_(std::move(factory)), config_(factory_) {}

bool VirtualFirmware::receive(uint16_t product, std::span<const uint8_t> r) {
    if (r.size() != kReportLength || r[0] != kFeatureReportId) {
        Check(violations_, product, std::nullopt)
            .fail("feature report 0x%02x of %zu bytes", r.empty() ? 0u : r[0], r.size());
        return false;
    }
    Channel& channel = channels_[product];
    channel.statusSequence.reset();
    Check check(violations_, product, r[2]);
    if (r[1] != 0x01 && !(r[1] == 0x00 && r[2] == kRestore)) check.fail("byte 1 is 0x%02x", r[1]);
    if (r[3] != 0x00) check.fail("byte 3 is 0x%02x", r[3]);
    if (r[2] == kMacroPacket) {
        receiveMacroPacket(check, channel, r);
        return true;
    }
    if (!checkCommand(check, product, r) || !check.ok()) return true;
    if (r[2] == kStatus) {
        channel.statusSequence = r[4];
    } else {
        apply(r);
    }
    return true;
}

bool VirtualFirmware::checkCommand(Check& check, uint16_t product, std::span<const uint8_t> r) {
    const uint8_t command = r[2];
    size_t length = 0;
    size_t zerosFrom = 0;
    if (command == kLighting) {
        const std::optional<size_t> expected = lightingLength(r);
        if (!expected) {
            check.fail("mode 2 with %u colours", r[kPayload + 2]);
            return false;
        }
        length = *expected;
        // Without a payload the mode and speed bytes may still stand in the buffer.
        zerosFrom = std::max(kPayload + length, kPayload + 2);
    } else {
        const auto* fixed =
            std::find_if(std::begin(kFixedLengths), std::end(kFixedLengths),
                         [&](const FixedLength& f) { return f.command == command; });
        if (fixed == std::end(kFixedLengths)) {
            check.fail("unknown command");
            return false;
        }
        length = fixed->length;
        zerosFrom = kPayload + length;
    }
    const uint8_t byte5 = command == kStatus ? 0x00 : 0x01;
    if (r[5] != byte5) check.fail("byte 5 is 0x%02x, expected 0x%02x", r[5], byte5);
    if (r[6] != length) check.fail("length byte %u, expected %zu", r[6], length);
    check.zerosFrom(r, zerosFrom);

    const uint8_t* p = &r[kPayload];
    switch (command) {
        case kButton:
            if (p[0] > 5) check.fail("device button %u", p[0]);
            break;
        case kDpi: {
            const int level = p[0] >> 4;
            const int count = p[0] & 0x0F;
            if (count != std::popcount(p[1])) {
                check.fail("%d enabled levels but mask 0x%02x", count, p[1]);
            }
            if (level < 1 || level > count) {
                check.fail("active level %d outside the %d enabled levels", level, count);
            }
            // Only levels 0 to 5 travel; the places of levels 6 and 7 stay zero.
            if (std::any_of(p + 14, p + 18, [](uint8_t b) { return b != 0; })) {
                check.fail("values for levels 6 and 7");
            }
            break;
        }
        case kPolling:
            if (!isPollingCode(p[0])) check.fail("polling code %u", p[0]);
            break;
        case kLift:
            if (p[0] != 1 && p[0] != 2) check.fail("lift-off code %u", p[0]);
            if (p[1] != 0) check.fail("byte 8 is 0x%02x", p[1]);
            break;
        case kRestore:
            if (p[0] != 0xFF) check.fail("byte 7 is 0x%02x, expected 0xff", p[0]);
            if (product != kRestoreProduct) check.fail("sent through product %04x", product);
            break;
        default:
            break;
    }
    return true;
}

void VirtualFirmware::receiveMacroPacket(Check& check, Channel& channel,
                                         std::span<const uint8_t> r) {
    const int index = r[5] >> 4;
    const int count = r[5] & 0x0F;
    const size_t length = r[6];
    const uint8_t macro = r[kPayload];
    if (count == 0 || index >= count) check.fail("packet byte 0x%02x", r[5]);
    if (macro < 1 || macro > kMaxMacroNumber) check.fail("macro number %u", macro);
    if (length < 1 || length > kMacroChunk + 1) {
        check.fail("length byte %zu", length);
    } else {
        if (index + 1 < count && length != kMacroChunk + 1) {
            check.fail("packet %d of %d carries %zu bytes, not %zu", index, count, length - 1,
                       kMacroChunk);
        }
        check.zerosFrom(r, kPayload + length);
    }
    if (!check.ok()) {
        channel.transfer.reset();
        return;
    }

    if (index == 0) {
        if (channel.transfer) {
            const MacroTransfer& old = *channel.transfer;
            check.fail("macro %u abandoned after %d of %d packets", old.macro, old.next, old.count);
        }
        channel.transfer = MacroTransfer{macro, count, 0, {}};
    } else if (!channel.transfer || channel.transfer->macro != macro ||
               channel.transfer->count != count || channel.transfer->next != index) {
        check.fail("macro %u packet %d of %d out of order", macro, index, count);
        channel.transfer.reset();
        return;
    }
    MacroTransfer& transfer = *channel.transfer;
    transfer.bytes.insert(transfer.bytes.end(), r.begin() + kPayload + 1,
                          r.begin() + kPayload + length);
    transfer.next = index + 1;
    if (transfer.next < transfer.count) return;

    const size_t bytes = transfer.bytes.size();
    const int packets =
        static_cast<int>(std::max<size_t>(1, (bytes + kMacroChunk - 1) / kMacroChunk));
    bool whole = true;
    if (bytes % 3 != 0 || bytes / 3 > kMaxMacroSteps) {
        check.fail("macro %u: %zu step bytes are not 0 to %zu whole steps", macro, bytes,
                   kMaxMacroSteps);
        whole = false;
    }
    if (packets != count) {
        check.fail("macro %u: %d packets for %zu step bytes, expected %d", macro, count, bytes,
                   packets);
        whole = false;
    }
    if (whole) config_.macros[macro] = std::move(transfer.bytes);
    channel.transfer.reset();
}

void VirtualFirmware::apply(std::span<const uint8_t> r) {
    const auto p = r.subspan(kPayload);
    switch (r[2]) {
        case kButton:
            std::copy_n(p.begin() + 1, 3, config_.buttons[p[0]].begin());
            break;
        case kDpi:
            std::copy_n(p.begin(), config_.dpi.size(), config_.dpi.begin());
            break;
        case kDpiColours:
            std::copy_n(p.begin(), config_.dpiColours.size(), config_.dpiColours.begin());
            break;
        case kPolling:
            config_.pollingCode = p[0];
            break;
        case kLighting:
            config_.lighting.assign(p.begin(), p.begin() + r[6]);
            break;
        case kLift:
            config_.liftCode = p[0];
            break;
        case kDebounce:
            config_.debounce = p[0];
            break;
        case kPower:
            config_.powerDownTime = p[0];
            config_.moveLighting = p[1];
            break;
        case kMotionWakeup:
            config_.motionWakeup = p[0];
            break;
        case kRestore:
            config_ = factory_;
            for (auto& [product, channel] : channels_)
                channel.transfer.reset();
            break;
        default:
            break;
    }
}

VirtualFirmware::Report VirtualFirmware::reply(uint16_t product) const {
    Report r{};
    r[0] = kFeatureReportId;
    const auto channel = channels_.find(product);
    if (channel == channels_.end() || !channel->second.statusSequence) return r;
    r[1] = 0x01;
    r[2] = kStatus;
    r[4] = *channel->second.statusSequence;
    r[6] = 13;  // bytes 7 to 19
    r[15] = status_.sensorCode;
    r[18] = status_.battery;
    r[19] = status_.charging;
    return r;
}

void VirtualFirmware::forget(uint16_t product) {
    channels_.erase(product);
}

bool VirtualFirmware::setActiveLevel(int level) {
    const int count = config_.enabledLevels();
    if (level < 1 || level > count) return false;
    config_.dpi[0] = static_cast<uint8_t>(level << 4 | count);
    return true;
}

bool VirtualFirmware::setPollingCode(uint8_t code) {
    if (!isPollingCode(code)) return false;
    config_.pollingCode = code;
    return true;
}

VirtualFirmware::Report VirtualFirmware::changeReport() const {
    Report r{};
    r[0] = kInputReportId;
    r[1] = 0x06;
    r[3] = config_.pollingCode;
    r[4] = static_cast<uint8_t>(config_.activeLevel());
    return r;
}

}  // namespace vexmo::hid
