#include "device/hid/HidrawBackend.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "HidTestSupport.h"

namespace vexmo::hid {
namespace {

using test::FakeHidrawTree;
using test::loadDescriptor;

constexpr uint16_t kVendor = 0x248A;
constexpr uint16_t kProduct = 0x5B2E;

std::vector<std::string> paths(const std::vector<InterfaceInfo>& interfaces) {
    std::vector<std::string> result;
    for (const InterfaceInfo& i : interfaces)
        result.push_back(i.path);
    return result;
}

TEST(HidrawBackend, EnumeratesNodesInNumericOrder) {
    FakeHidrawTree tree;
    const auto mouse = loadDescriptor("boot_mouse.hex");
    for (unsigned n : {10u, 2u, 9u, 1u})
        tree.addNode(n, kVendor, kProduct, mouse);
    tree.addStrayEntry("hidraw");
    tree.addStrayEntry("hidrawX");
    tree.addStrayEntry("hidraw-3");
    tree.addStrayEntry("event4");

    HidrawBackend backend(tree.sysfs(), tree.dev());
    const std::string d = tree.dev();
    EXPECT_EQ(paths(backend.enumerate()),
              (std::vector<std::string>{d + "/hidraw1#0", d + "/hidraw2#0", d + "/hidraw9#0",
                                        d + "/hidraw10#0"}));
}

TEST(HidrawBackend, MissingSysfsGivesAnEmptyList) {
    HidrawBackend backend("/nonexistent/sys", "/nonexistent/dev");
    EXPECT_TRUE(backend.enumerate().empty());
}

// A mouse as the kernel shows it: mouse, keys and the vendor node whose input and feature
// reports live in two collections; another maker's keyboard after it.
class HidrawMouseTree : public ::testing::Test {
protected:
    void SetUp() override {
        tree.addNode(0, kVendor, kProduct, loadDescriptor("gaming_mouse.hex"));
        tree.addNode(1, kVendor, kProduct, loadDescriptor("keyboard_consumer.hex"));
        tree.addNode(2, kVendor, kProduct, loadDescriptor("vendor_split.hex"));
        tree.addNode(3, 0x1234, 0x0001, loadDescriptor("vendor_combined.hex"));
    }
    FakeHidrawTree tree;
    HidrawBackend backend{tree.sysfs(), tree.dev()};
};

TEST_F(HidrawMouseTree, ListsEveryCollectionAsItsOwnInterface) {
    const std::vector<InterfaceInfo> list = backend.enumerate();
    const std::string d = tree.dev();
    ASSERT_EQ(paths(list),
              (std::vector<std::string>{d + "/hidraw0#0", d + "/hidraw0#1", d + "/hidraw1#0",
                                        d + "/hidraw1#1", d + "/hidraw2#0", d + "/hidraw2#1",
                                        d + "/hidraw3#0"}));
    struct Expected {
        uint16_t vendor, product, input, feature, usagePage, usage;
    };
    const Expected expected[] = {
        {kVendor, kProduct, 9, 0, 0x01, 0x02}, {kVendor, kProduct, 5, 8, 0x0C, 0x01},
        {kVendor, kProduct, 9, 0, 0x01, 0x06}, {kVendor, kProduct, 3, 0, 0x0C, 0x01},
        {kVendor, kProduct, 33, 0, 0xFF00, 1}, {kVendor, kProduct, 0, 33, 0xFF00, 2},
        {0x1234, 0x0001, 33, 33, 0xFF00, 1},
    };
    for (size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(list[i].path);
        EXPECT_EQ(list[i].vendor, expected[i].vendor);
        EXPECT_EQ(list[i].product, expected[i].product);
        EXPECT_EQ(list[i].inputReportLength, expected[i].input);
        EXPECT_EQ(list[i].featureReportLength, expected[i].feature);
        EXPECT_EQ(list[i].usagePage, expected[i].usagePage);
        EXPECT_EQ(list[i].usage, expected[i].usage);
    }
    EXPECT_EQ(list[2].outputReportLength, 2);
}

TEST_F(HidrawMouseTree, OpensEachCollectionOfASharedNode) {
    const std::vector<InterfaceInfo> list = backend.enumerate();
    for (size_t i : {4u, 5u}) {
        const auto device = backend.open(list[i].path);
        ASSERT_NE(device, nullptr) << list[i].path;
        EXPECT_EQ(device->info().path, list[i].path);
        EXPECT_EQ(device->info().inputReportLength, list[i].inputReportLength);
        EXPECT_EQ(device->info().featureReportLength, list[i].featureReportLength);
        EXPECT_EQ(device->info().product, kProduct);
    }
}

TEST_F(HidrawMouseTree, OpenRefusesPathsItDoesNotKnow) {
    const std::string d = tree.dev();
    for (const std::string& path :
         {d + "/hidraw2#2", d + "/hidraw2", d + "/hidraw7#0", d + "/hidraw2#x", d + "/hidraw#0",
          d + "/hidraw2#-1", d + "/hidraw2#01", std::string("/elsewhere/hidraw2#0"),
          d + "/hidraw2#0/"}) {
        EXPECT_EQ(backend.open(path), nullptr) << path;
    }
}

TEST(HidrawBackend, NodeWithoutDeviceFileCannotBeOpened) {
    FakeHidrawTree tree;
    tree.addNode(0, kVendor, kProduct, loadDescriptor("vendor_split.hex"), false);
    HidrawBackend backend(tree.sysfs(), tree.dev());
    ASSERT_EQ(backend.enumerate().size(), 2u);
    EXPECT_EQ(backend.open(tree.dev() + "/hidraw0#1"), nullptr);
}

TEST(HidrawBackend, UnreadableNodeKeepsItsPlace) {
    FakeHidrawTree tree;
    const std::vector<uint8_t> broken = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75};
    tree.addNode(0, kVendor, kProduct, broken);
    tree.addNodeWithUevent(1, "HID_NAME=no id here\n", loadDescriptor("boot_mouse.hex"));
    tree.addNodeWithUevent(2, "HID_ID=0003:0000248A\n", loadDescriptor("boot_mouse.hex"));
    tree.addNode(3, kVendor, kProduct, loadDescriptor("vendor_split.hex"));
    HidrawBackend backend(tree.sysfs(), tree.dev());
    const std::vector<InterfaceInfo> list = backend.enumerate();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].vendor, kVendor);
    EXPECT_EQ(list[0].inputReportLength, 0);
    EXPECT_EQ(list[0].featureReportLength, 0);
    EXPECT_EQ(list[1].vendor, 0);
    EXPECT_EQ(list[1].inputReportLength, 4);
    EXPECT_EQ(list[2].vendor, 0);
    EXPECT_EQ(list[2].product, 0);
    EXPECT_EQ(list[4].featureReportLength, 33);
}

// Device I/O on stand-ins for the kernel node.
class HidrawIo : public ::testing::Test {
protected:
    void SetUp() override {
        tree.addNode(0, kVendor, kProduct, loadDescriptor("vendor_split.hex"));
        device = backend.open(tree.dev() + "/hidraw0#0");
        ASSERT_NE(device, nullptr);
    }
    FakeHidrawTree tree;
    HidrawBackend backend{tree.sysfs(), tree.dev()};
    std::unique_ptr<Device> device;
};

TEST_F(HidrawIo, ReadsAReportWrittenToTheNode) {
    const int writer = ::open(tree.devNode(0).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    std::vector<uint8_t> report(33, 0);
    report[0] = 0x05;
    report[1] = 0x06;
    report[4] = 0x03;
    ASSERT_EQ(::write(writer, report.data(), report.size()), 33);
    ::close(writer);

    std::vector<uint8_t> buffer(33, 0xFF);
    EXPECT_EQ(device->readInput(buffer), 33);
    EXPECT_EQ(buffer, report);
}

TEST_F(HidrawIo, FeatureTransfersFailWhenTheNodeRefusesThem) {
    std::vector<uint8_t> report(33, 0);
    report[0] = 0x0C;
    EXPECT_FALSE(device->setFeature(report));
    EXPECT_FALSE(device->getFeature(report));
    EXPECT_FALSE(device->setFeature({}));
}

TEST_F(HidrawIo, InterruptEndsABlockedReadAndEveryLaterOne) {
    int result = 0;
    std::thread reader([&] {
        std::vector<uint8_t> buffer(33);
        result = device->readInput(buffer);
    });
    device->interrupt();
    reader.join();
    EXPECT_EQ(result, -1);
    std::vector<uint8_t> buffer(33);
    EXPECT_EQ(device->readInput(buffer), -1);
}

TEST(HidrawDevice, HangUpEndsABlockedRead) {
    int sockets[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sockets), 0);
    InterfaceInfo info;
    info.path = "test";
    info.inputReportLength = 33;
    const auto device = HidrawDevice::adopt(sockets[0], info);
    ASSERT_NE(device, nullptr);

    const uint8_t report[4] = {0x05, 0x06, 0x00, 0x02};
    ASSERT_EQ(::write(sockets[1], report, sizeof report), 4);
    std::vector<uint8_t> buffer(33, 0xFF);
    ASSERT_EQ(device->readInput(buffer), 4);
    EXPECT_TRUE(std::equal(report, report + 4, buffer.begin()));

    int result = 0;
    std::thread reader([&] {
        std::vector<uint8_t> more(33);
        result = device->readInput(more);
    });
    ::close(sockets[1]);
    reader.join();
    EXPECT_EQ(result, -1);
}

}  // namespace
}  // namespace vexmo::hid
