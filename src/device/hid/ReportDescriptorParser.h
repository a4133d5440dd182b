// Reads HID report descriptors: the top-level collections with their usage and the longest report
// of each kind in bytes, counted as Windows does (one byte for the report id included).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "device/hid/HidBackend.h"

namespace vexmo::hid {

struct TopLevelCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    // Longest report of the kind in this collection, rounded up to bytes, plus the report id
    // byte (also when the device numbers no reports); 0 when the collection has none.
    uint16_t inputReportLength = 0;
    uint16_t outputReportLength = 0;
    uint16_t featureReportLength = 0;

    bool operator==(const TopLevelCollection&) const = default;
};

struct ReportDescriptor {
    std::vector<TopLevelCollection> collections;  // empty when the descriptor was rejected
    std::string error;                            // why it was rejected; empty when it was read

    bool ok() const { return error.empty(); }
};

class ReportDescriptorParser {
public:
    // Never reads outside the span; a malformed descriptor yields an error and no collections.
    static ReportDescriptor parse(std::span<const uint8_t> descriptor);
};

// The interface that a top-level collection stands for.
InterfaceInfo interfaceFor(const TopLevelCollection& collection, std::string path, uint16_t vendor,
                           uint16_t product);

}  // namespace vexmo::hid
