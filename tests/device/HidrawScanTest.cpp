// Discovery on the hidraw backend over fake sysfs trees: the mouse's input and feature reports
// share one node in two collections, and interfaces past position 149 are never seen.
#include <gtest/gtest.h>

#include <filesystem>

#include "device/DeviceLink.h"
#include "device/hid/HidrawBackend.h"
#include "device_hid/HidTestSupport.h"

namespace vexmo::hid::test {
namespace {

// `before` boot-mouse nodes, then the mouse's node with its input and feature collections.
struct Tree {
    explicit Tree(unsigned before) {
        const auto mouse = loadDescriptor("boot_mouse.hex");
        for (unsigned n = 0; n < before; ++n)
            tree.addNode(n, 0x046D, 0xC077, mouse);
        tree.addNode(before, 0x248A, 0x5B2F, loadDescriptor("vendor_split.hex"));
    }
    FakeHidrawTree tree;
};

TEST(HidrawScan, TwoCollectionsOfOneNodeAreFoundAsInputAndFeatureInterfaces) {
    Tree t(3);
    HidrawBackend backend(t.tree.sysfs(), t.tree.dev());
    DeviceLink link(backend, [](uint8_t, uint8_t) {});
    EXPECT_TRUE(link.ConnectDevices());
    EXPECT_TRUE(link.present(1));
    ASSERT_NE(link.featureHandle(1), nullptr);
    EXPECT_EQ(link.featureHandle(1)->info().featureReportLength, 33);
    EXPECT_NE(link.featurePath(1), link.inputPath(1));
}

TEST(HidrawScan, FeatureInterfaceAtPosition150IsNotFound) {
    const std::pair<unsigned, bool> cases[] = {{148, true}, {149, false}};
    for (auto [before, found] : cases) {
        Tree t(before);  // the feature collection sits at position before + 1
        HidrawBackend backend(t.tree.sysfs(), t.tree.dev());
        DeviceLink link(backend, [](uint8_t, uint8_t) {});
        EXPECT_EQ(link.ConnectDevices(), found) << before;
    }
}

}  // namespace
}  // namespace vexmo::hid::test

namespace vexmo::hid::test {
namespace {

TEST(HidrawScan, AMouseThatCannotBeOpenedIsReportedAndNotPresent) {
    Tree t(0);
    // The node exists in sysfs, but /dev has nothing to open, as without the udev rule.
    std::filesystem::remove(t.tree.devNode(0));
    HidrawBackend backend(t.tree.sysfs(), t.tree.dev());
    DeviceLink link(backend, [](uint8_t, uint8_t) {});
    EXPECT_FALSE(link.ConnectDevices());
    EXPECT_EQ(link.unopenable().size(), 2u);  // its input and its feature collection
}

}  // namespace
}  // namespace vexmo::hid::test
