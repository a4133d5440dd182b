#include "device/hid/VirtualMouseControl.h"

#include <charconv>
#include <optional>
#include <vector>

namespace vexmo::hid {
namespace {

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> result;
    constexpr std::string_view kBlanks = " \t\r\n";
    size_t at = line.find_first_not_of(kBlanks);
    while (at != std::string_view::npos) {
        const size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
        result.push_back(line.substr(at, end - at));
        at = line.find_first_not_of(kBlanks, end);
    }
    return result;
}

// The whole word as a number in base 10 or 16 (hex may carry "0x"), within 0..max.
std::optional<unsigned> number(std::string_view word, int base, unsigned max) {
    if (base == 16 && (word.starts_with("0x") || word.starts_with("0X"))) word.remove_prefix(2);
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

std::string quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

}  // namespace

std::string VirtualMouseControl::apply(std::string_view line) {
    const std::vector<std::string_view> w = words(line);
    if (w.empty() || w[0].starts_with('#')) return {};
    const std::string_view command = w[0];
    const auto arguments = [&](size_t count, const char* usage) -> std::string {
        if (w.size() == count + 1) return {};
        return "usage: " + std::string(usage);
    };

    if (command == "dpi-button") {
        if (auto e = arguments(1, "dpi-button LEVEL (1 to 8)"); !e.empty()) return e;
        const auto level = number(w[1], 10, 8);
        if (!level || *level == 0) return "dpi-button: level " + quoted(w[1]) + " is not 1 to 8";
        if (!mouse_.pressDpiButton(static_cast<int>(*level))) {
            return "dpi-button: level " + std::to_string(*level) +
                   " is not enabled, or no product is plugged in";
        }
        return {};
    }
    if (command == "polling-button") {
        if (auto e = arguments(1, "polling-button CODE (hex 1, 2, 4 or 8)"); !e.empty()) return e;
        const auto code = number(w[1], 16, 0xFF);
        if (!code) return "polling-button: code " + quoted(w[1]) + " is not a hex byte";
        if (!mouse_.pressPollingButton(static_cast<uint8_t>(*code))) {
            return "polling-button: code " + quoted(w[1]) +
                   " is not 1, 2, 4 or 8, or no product is plugged in";
        }
        return {};
    }
    if (command == "plug" || command == "unplug") {
        if (auto e = arguments(1, "plug|unplug 5b2e|5b2f"); !e.empty()) return e;
        const auto product = number(w[1], 16, 0xFFFF);
        if (!product ||
            (*product != VirtualMouse::kProducts[0] && *product != VirtualMouse::kProducts[1])) {
            return std::string(command) + ": product " + quoted(w[1]) + " is not 5b2e or 5b2f";
        }
        if (command == "plug") {
            mouse_.plug(static_cast<uint16_t>(*product));
        } else {
            mouse_.unplug(static_cast<uint16_t>(*product));
        }
        return {};
    }
    if (command == "battery") {
        if (auto e = arguments(2, "battery PERCENT STATE (0 battery, 1 charging, 2 full)");
            !e.empty()) {
            return e;
        }
        const auto percent = number(w[1], 10, 100);
        if (!percent) return "battery: percent " + quoted(w[1]) + " is not 0 to 100";
        const auto state = number(w[2], 10, 0xFF);
        if (!state) return "battery: state " + quoted(w[2]) + " is not 0 to 255";
        mouse_.setBattery(static_cast<uint8_t>(*percent), static_cast<uint8_t>(*state));
        return {};
    }
    if (command == "sensor") {
        if (auto e = arguments(1, "sensor CODE (hex byte)"); !e.empty()) return e;
        const auto code = number(w[1], 16, 0xFF);
        if (!code) return "sensor: code " + quoted(w[1]) + " is not a hex byte";
        mouse_.setSensorCode(static_cast<uint8_t>(*code));
        return {};
    }
    return "unknown command " + quoted(command) +
           " (dpi-button, polling-button, plug, unplug, battery, sensor)";
}

}  // namespace vexmo::hid
