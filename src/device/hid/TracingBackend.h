// Decorates a HID backend: every report that passes through its devices is appended to a trace
// file, one line each ("<ms since start> set|get|in <product> <bytes>"). Thread-safe.
#pragma once

#include <memory>
#include <string>

#include "base/Clock.h"
#include "device/hid/HidBackend.h"

namespace vexmo::hid {

class TraceSink;

class TracingBackend final : public HidBackend {
public:
    // Appends to file; times count from construction. The inner backend must outlive this one.
    TracingBackend(HidBackend& inner, const std::string& file, const Clock& clock);
    // The same, owning the inner backend.
    TracingBackend(std::unique_ptr<HidBackend> inner, const std::string& file, const Clock& clock);
    ~TracingBackend() override;

    // False when the trace file could not be opened (reports then still pass, untraced).
    bool tracing() const;

    std::vector<InterfaceInfo> enumerate() override;
    // Devices may outlive the backend (not the clock); their lines still reach the file.
    std::unique_ptr<Device> open(const std::string& path) override;

private:
    std::unique_ptr<HidBackend> owned_;
    HidBackend& inner_;
    std::shared_ptr<TraceSink> sink_;
};

}  // namespace vexmo::hid
