#include <gtest/gtest.h>

#include <thread>

#include "base/Clock.h"
#include "device/DeviceLink.h"
#include "device/hid/VirtualMouse.h"

namespace vexmo::test {
namespace {

class Link : public ::testing::Test {
protected:
    ManualClock clock;
    hid::VirtualMouse mouse{clock};
    DeviceLink link{mouse, [](uint8_t, uint8_t) {}};

    void waitForReaderEnd(int product) {
        for (int i = 0; i < 2000 && link.readerRunning(product); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_FALSE(link.readerRunning(product));
    }
};

TEST_F(Link, BothProductsFoundAndFirstIsPreferredForSending) {
    link.RegisterDeviceNotices();
    EXPECT_TRUE(link.ConnectDevices());
    EXPECT_TRUE(link.present(0));
    EXPECT_TRUE(link.present(1));
    ASSERT_NE(link.featureHandle(0), nullptr);
    EXPECT_EQ(link.sendHandle(), link.featureHandle(0));
    EXPECT_EQ(link.sendHandle()->info().product, 0x5B2E);
    EXPECT_TRUE(link.readerRunning(0));
    EXPECT_TRUE(link.readerRunning(1));
}

TEST_F(Link, OnlySecondProductIsUsedUntilTheFirstArrives) {
    mouse.unplug(0x5B2E);
    link.ConnectDevices();
    EXPECT_FALSE(link.present(0));
    ASSERT_NE(link.sendHandle(), nullptr);
    EXPECT_EQ(link.sendHandle()->info().product, 0x5B2F);
    mouse.plug(0x5B2E);
    link.ConnectDevices();
    EXPECT_EQ(link.sendHandle()->info().product, 0x5B2E);
}

TEST_F(Link, InterfacesAtPosition150OrLaterAreNotSeen) {
    struct Case {
        size_t padding;
        bool found;
    };
    // Each product lists several interfaces of its own; the feature interface of 0x5B2E sits at
    // its padding plus a few positions, so large paddings push it past the scan.
    for (const Case c : {Case{0, true}, Case{140, true}, Case{150, false}, Case{400, false}}) {
        mouse.setPadding(0x5B2E, c.padding);
        mouse.setPadding(0x5B2F, c.padding + 1000);
        link.ConnectDevices();
        EXPECT_EQ(link.present(0), c.found) << c.padding;
        EXPECT_FALSE(link.present(1)) << c.padding;
    }
}

TEST_F(Link, UnplugEndsTheReaderAndForgetsThePaths) {
    link.ConnectDevices();
    const std::string path = link.featurePath(1);
    EXPECT_FALSE(path.empty());
    EXPECT_FALSE(link.inputPath(1).empty());
    mouse.unplug(0x5B2F);
    waitForReaderEnd(1);
    EXPECT_TRUE(link.inputPath(1).empty());
    link.ConnectDevices();
    EXPECT_FALSE(link.present(1));
    EXPECT_EQ(link.featureHandle(1), nullptr);
    EXPECT_TRUE(link.featurePath(1).empty());
    // Plugged again: found under its path and its reader runs again.
    mouse.plug(0x5B2F);
    link.ConnectDevices();
    EXPECT_TRUE(link.present(1));
    EXPECT_EQ(link.featurePath(1), path);
    EXPECT_TRUE(link.readerRunning(1));
    EXPECT_FALSE(link.inputPath(1).empty());
}

TEST_F(Link, RepeatedScansNeverDoubleAReader) {
    for (int i = 0; i < 20; ++i)
        link.ConnectDevices();
    EXPECT_TRUE(link.readerRunning(0));
    EXPECT_TRUE(link.readerRunning(1));
}

}  // namespace
}  // namespace vexmo::test
