#include "device/hid/UdevMonitor.h"

#include <fcntl.h>

#include <gtest/gtest.h>

namespace vexmo::hid {
namespace {

// Without a device being plugged in nothing arrives; what matters is that asking never blocks
// and that a monitor without udev is a harmless, invalid object.
TEST(UdevMonitor, ReceiveNeverBlocks) {
    UdevMonitor monitor;
    if (monitor.valid()) {
        ASSERT_GE(monitor.fd(), 0);
        EXPECT_NE(::fcntl(monitor.fd(), F_GETFL) & O_NONBLOCK, 0);
    } else {
        EXPECT_EQ(monitor.fd(), -1);
    }
    EXPECT_FALSE(monitor.receive().has_value());
}

}  // namespace
}  // namespace vexmo::hid
