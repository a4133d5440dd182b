// Feeds arbitrary bytes to the report descriptor parser: it must never read outside the input,
// and it either accepts a descriptor with collections or rejects it with none.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "device/hid/ReportDescriptorParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const vexmo::hid::ReportDescriptor parsed =
        vexmo::hid::ReportDescriptorParser::parse({data, size});
    if (parsed.ok() == parsed.collections.empty()) std::abort();
    return 0;
}
