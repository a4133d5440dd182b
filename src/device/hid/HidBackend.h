// Access to HID interfaces: a stable enumeration, and open interfaces for feature reports and
// blocking input reads. Implemented on hidraw and by the simulated mouse.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vexmo::hid {

struct InterfaceInfo {
    std::string path;  // what open() takes
    uint16_t vendor = 0;
    uint16_t product = 0;
    // Longest report of each kind plus one byte for the report id, as Windows reports them.
    uint16_t inputReportLength = 0;
    uint16_t featureReportLength = 0;
    uint16_t outputReportLength = 0;
    // Usage page and usage of the top-level collection this interface stands for.
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

class Device {
public:
    virtual ~Device() = default;
    virtual const InterfaceInfo& info() const = 0;
    // Byte 0 is the report id. False when the device is gone or the transfer failed.
    virtual bool setFeature(std::span<const uint8_t> report) = 0;
    // Byte 0 holds the report id on entry; the report is read into the buffer.
    virtual bool getFeature(std::span<uint8_t> report) = 0;
    // Blocks until an input report arrives and returns its length; -1 when the device is gone,
    // on an error, or after interrupt().
    virtual int readInput(std::span<uint8_t> buffer) = 0;
    // Makes a blocked (or the next) readInput return -1. Safe from any thread.
    virtual void interrupt() = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    // Present interfaces in a stable order: the position is the member index of a scan.
    virtual std::vector<InterfaceInfo> enumerate() = 0;
    // An open interface, or nullptr when it cannot be opened.
    virtual std::unique_ptr<Device> open(const std::string& path) = 0;
};

}  // namespace vexmo::hid
