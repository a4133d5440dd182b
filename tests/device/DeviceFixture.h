// A device session on the simulated mouse and virtual time, with a host that records what the
// session asked of the main window.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "base/Clock.h"
#include "common/MouseLog.h"
#include "device/DeviceSession.h"
#include "device/ProfilePayloads.h"
#include "device/hid/VirtualMouse.h"
#include "macros/MacroLibrary.h"
#include "settings/ConfigModel.h"
#include "settings/TestFiles.h"

namespace vexmo::test {

class FakeHost : public DeviceHost {
public:
    void postDeviceChange(uint8_t pollingCode, uint8_t levelByte) override {
        std::lock_guard lock(mutex_);
        posts_.emplace_back(pollingCode, levelByte);
        posted_.notify_all();
    }
    void startTimer(int id, int ms) override { timers[id] = ms; }
    void killTimer(int id) override { timers.erase(id); }
    void showUploadProgress() override { ++progressShown; }
    void refreshDisplay() override { ++refreshes; }
    void setWorkingDpiPosition(int position) override { workingPosition = position; }
    void onSensorChanged() override { ++sensorChanges; }
    void armDeferredSave() override { ++saveArmed; }

    // The next posted change, waiting for a reader thread (bounded, so a fault fails the test).
    std::optional<std::pair<uint8_t, uint8_t>> takePost() {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_for(lock, std::chrono::seconds(10), [&] { return !posts_.empty(); }))
            return std::nullopt;
        auto post = posts_.front();
        posts_.pop_front();
        return post;
    }
    bool hasPost() {
        std::lock_guard lock(mutex_);
        return !posts_.empty();
    }

    std::map<int, int> timers;
    int progressShown = 0;
    int refreshes = 0;
    int workingPosition = -1;
    int sensorChanges = 0;
    int saveArmed = 0;

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::pair<uint8_t, uint8_t>> posts_;
};

// What the mouse should hold when it equals the profile.
inline hid::MouseConfig expectedMouse(const ConfigModel& model, const hid::MouseConfig& actual) {
    const ProfileRecord& p = model.currentProfile();
    hid::MouseConfig want = actual;
    const ButtonImage buttons = BuildButtonImage(p);
    for (int d = 0; d < 6; ++d)
        want.buttons[d] = {buttons[3 * d], buttons[3 * d + 1], buttons[3 * d + 2]};
    want.dpi = BuildDpiImage(p, model.dpiSteps);
    want.dpiColours = BuildColourImage(p);
    want.pollingCode = PollingCode(p);
    want.liftCode = LiftOffCode(p);
    want.debounce = DebounceValue(p);
    const LightingImage lighting = BuildLightingImage(p);
    want.lighting.assign(lighting.begin() + 1, lighting.begin() + 1 + lighting[0]);
    const PowerImage power = BuildPowerImage(p);
    want.powerDownTime = power[0];
    want.moveLighting = power[1];
    want.motionWakeup = MotionWakeupValue(p);
    return want;
}

class DeviceFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.dir() + "config");
        model.dataDirectory = dir.dir();
        model.LoadSettings();
        model.BuildDpiSteps();
    }

    // Starts the session as the program does and lets the first upload run.
    void start() {
        session = std::make_unique<DeviceSession>(model, library, mouse, clock, host);
        session->Start();
        runUpload();
        mouse.clearLog();
    }
    void runUpload() {
        if (host.timers.erase(timer::kUpload)) session->UploadPending();
    }
    ProfileRecord& profile() { return model.currentProfile(); }

    std::vector<hid::VirtualMouse::LogEntry> sets() const { return SentReports(mouse); }
    std::vector<uint8_t> sentCommands() const { return SentCommands(mouse); }
    // Presses the mouse's DPI button until the reader has seen the report, so the test does not
    // depend on when the reader thread opened its interface; then takes every report of those
    // presses, so the next post belongs to the next press.
    void syncReader(int level) {
        for (int i = 0; i < 1000 && !host.hasPost(); ++i) {
            mouse.pressDpiButton(level);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_TRUE(host.hasPost()) << "the reader never reported";
        // Reports are handed over in order: once the marker arrives, nothing earlier is left.
        ASSERT_TRUE(mouse.pressPollingButton(8));
        for (;;) {
            const auto post = host.takePost();
            ASSERT_TRUE(post);
            if (post->first == 8) break;
        }
    }

    TempDir dir;
    ManualClock clock;
    ConfigModel model;
    MacroLibrary library;
    hid::VirtualMouse mouse{clock};
    FakeHost host;
    std::unique_ptr<DeviceSession> session;
};

}  // namespace vexmo::test
