#include "device/hid/VirtualMouseControl.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <condition_variable>
#include <fstream>
#include <functional>
#include <mutex>

#include "HidTestSupport.h"
#include "device/hid/ControlFifoReader.h"

namespace vexmo::hid {
namespace {

struct ControlCase {
    const char* line;
    const char* error;  // "" when the line is accepted
    std::function<bool(VirtualMouse&)> effect;
};

class ControlLines : public ::testing::TestWithParam<ControlCase> {
protected:
    ManualClock clock;
    VirtualMouse mouse{clock};
    VirtualMouseControl control{mouse};
};

TEST_P(ControlLines, AreAppliedOrExplained) {
    const std::string error = control.apply(GetParam().line);
    if (*GetParam().error == '\0') {
        EXPECT_EQ(error, "");
    } else {
        EXPECT_NE(error.find(GetParam().error), std::string::npos) << error;
    }
    EXPECT_TRUE(GetParam().effect(mouse));
}

bool unchanged(VirtualMouse& m) {
    return m.config() == MouseConfig::factory() && m.status() == MouseStatus{} &&
           m.isPlugged(0x5B2E) && m.isPlugged(0x5B2F) && m.log().empty();
}

INSTANTIATE_TEST_SUITE_P(
    VirtualMouseControl, ControlLines,
    ::testing::Values(
        ControlCase{"dpi-button 3", "",
                    [](VirtualMouse& m) { return m.config().activeLevel() == 3; }},
        ControlCase{"  dpi-button\t6\r", "",
                    [](VirtualMouse& m) { return m.config().activeLevel() == 6; }},
        ControlCase{
            "polling-button 8", "",
            [](VirtualMouse& m) { return m.config().pollingCode == 8 && m.log().size() == 1; }},
        ControlCase{"polling-button 0x2", "",
                    [](VirtualMouse& m) { return m.config().pollingCode == 2; }},
        ControlCase{"unplug 5b2e", "", [](VirtualMouse& m) { return !m.isPlugged(0x5B2E); }},
        ControlCase{"unplug 5B2F", "", [](VirtualMouse& m) { return !m.isPlugged(0x5B2F); }},
        ControlCase{"plug 5b2f", "", unchanged},
        ControlCase{
            "battery 37 2", "",
            [](VirtualMouse& m) { return m.status().battery == 37 && m.status().charging == 2; }},
        ControlCase{"sensor 60", "", [](VirtualMouse& m) { return m.status().sensorCode == 0x60; }},
        ControlCase{"sensor ff", "", [](VirtualMouse& m) { return m.status().sensorCode == 0xFF; }},
        ControlCase{"", "", unchanged}, ControlCase{"# comment", "", unchanged},
        ControlCase{"dpi-button 7", "level 7 is not enabled", unchanged},
        ControlCase{"dpi-button 0", "is not 1 to 8", unchanged},
        ControlCase{"dpi-button 3x", "is not 1 to 8", unchanged},
        ControlCase{"dpi-button", "usage: dpi-button", unchanged},
        ControlCase{"dpi-button 2 3", "usage: dpi-button", unchanged},
        ControlCase{"polling-button 3", "is not 1, 2, 4 or 8", unchanged},
        ControlCase{"polling-button zz", "not a hex byte", unchanged},
        ControlCase{"unplug 5b2d", "is not 5b2e or 5b2f", unchanged},
        ControlCase{"plug", "usage: plug", unchanged},
        ControlCase{"battery 101 0", "percent \"101\"", unchanged},
        ControlCase{"battery 50 -1", "state \"-1\"", unchanged},
        ControlCase{"battery 50", "usage: battery", unchanged},
        ControlCase{"sensor 100", "not a hex byte", unchanged},
        ControlCase{"sensor 0x", "not a hex byte", unchanged},
        ControlCase{"wiggle 1", "unknown command \"wiggle\"", unchanged}));

TEST(VirtualMouseControl, ButtonsFailWhenNothingIsPluggedIn) {
    ManualClock clock;
    VirtualMouse mouse(clock);
    VirtualMouseControl control(mouse);
    EXPECT_EQ(control.apply("unplug 5b2e"), "");
    EXPECT_EQ(control.apply("unplug 5b2f"), "");
    EXPECT_NE(control.apply("dpi-button 2"), "");
    EXPECT_NE(control.apply("polling-button 2"), "");
    EXPECT_EQ(control.apply("plug 5b2f"), "");
    EXPECT_EQ(control.apply("dpi-button 2"), "");
    EXPECT_EQ(mouse.log().back().product, 0x5B2F);
}

// Collects lines from the reader thread.
class LineSink {
public:
    void add(const std::string& line) {
        std::lock_guard lock(mutex_);
        lines_.push_back(line);
        changed_.notify_all();
    }
    // Waits until n lines arrived; the limit only guards against a hang.
    std::vector<std::string> waitFor(size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(30), [&] { return lines_.size() >= n; });
        return lines_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> lines_;
};

void writeAll(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(fd);
}

TEST(ControlFifoReader, HandsOverCompleteLinesAcrossWriters) {
    test::TempDir dir;
    const std::string path = (dir.path() / "control").string();
    LineSink sink;
    ControlFifoReader reader(path, [&](const std::string& line) { sink.add(line); });
    ASSERT_TRUE(reader.start()) << reader.error();

    writeAll(path, "dpi-button 3\npolling-");
    writeAll(path, "button 4\n" + std::string(5000, 'x') + "\nsensor 60\n");
    EXPECT_EQ(sink.waitFor(3),
              (std::vector<std::string>{"dpi-button 3", "polling-button 4", "sensor 60"}));
    reader.stop();
    reader.stop();
}

TEST(ControlFifoReader, RefusesAPathThatIsNoFifo) {
    test::TempDir dir;
    const std::string path = (dir.path() / "plain").string();
    std::ofstream(path) << "x";
    ControlFifoReader reader(path, [](const std::string&) {});
    EXPECT_FALSE(reader.start());
    EXPECT_NE(reader.error().find("not a FIFO"), std::string::npos);
    ControlFifoReader missingFolder((dir.path() / "no" / "fifo").string(),
                                    [](const std::string&) {});
    EXPECT_FALSE(missingFolder.start());
    EXPECT_FALSE(missingFolder.error().empty());
}

TEST(ControlFifoReader, StopEndsAnIdleReader) {
    test::TempDir dir;
    ControlFifoReader reader((dir.path() / "idle").string(), [](const std::string&) {});
    ASSERT_TRUE(reader.start());
    reader.stop();  // returns only once the thread has ended
}

}  // namespace
}  // namespace vexmo::hid
