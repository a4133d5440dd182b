// Helpers for the HID tests: descriptors from the test data, a temporary folder, and a fake
// sysfs/dev tree with hidraw nodes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vexmo::hid::test {

// A descriptor from tests/data/hid: hex bytes, '#' starts a comment.
std::vector<uint8_t> loadDescriptor(const std::string& name);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// <root>/sys/class/hidraw/hidrawN/device/{uevent,report_descriptor} and <root>/dev/hidrawN (a
// FIFO, so that opening and reading work without a kernel device).
class FakeHidrawTree {
public:
    FakeHidrawTree();
    void addNode(unsigned number, uint16_t vendor, uint16_t product,
                 std::span<const uint8_t> descriptor, bool withDevNode = true);
    // A raw uevent text instead of a well-formed one.
    void addNodeWithUevent(unsigned number, const std::string& uevent,
                           std::span<const uint8_t> descriptor);
    // An entry in class/hidraw that is not a hidraw node.
    void addStrayEntry(const std::string& name);
    std::string sysfs() const { return (dir_.path() / "sys").string(); }
    std::string dev() const { return (dir_.path() / "dev").string(); }
    std::string devNode(unsigned number) const;

private:
    TempDir dir_;
};

}  // namespace vexmo::hid::test
