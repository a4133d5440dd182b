// Demo control of the simulated mouse: one command a line ("dpi-button 3", "polling-button 4",
// "unplug 5b2e", "plug 5b2f", "battery 37 2", "sensor 60"; codes and products in hex).
#pragma once

#include <string>
#include <string_view>

#include "device/hid/VirtualMouse.h"

namespace vexmo::hid {

class VirtualMouseControl {
public:
    explicit VirtualMouseControl(VirtualMouse& mouse) : mouse_(mouse) {}

    // Runs one line; blank lines and lines starting with '#' do nothing. Returns an empty text
    // on success, else what is wrong with the line.
    std::string apply(std::string_view line);

private:
    VirtualMouse& mouse_;
};

}  // namespace vexmo::hid
