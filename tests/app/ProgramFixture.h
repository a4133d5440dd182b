// The whole program on the test backend: the main window on the simulated mouse, virtual time,
// a fresh data folder, the generated skins.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/CVexmoDlg.h"
#include "app/OpenDialogList.h"
#include "common/MouseLog.h"
#include "device/hid/VirtualMouse.h"
#include "platform/QtTestApp.h"
#include "platform/test/TestServices.h"
#include "settings/TestFiles.h"
#include "ui/UiEnvironment.h"

namespace vexmo::test {

// The simulated mouse logs on the platform's (virtual) clock.
class ServicesClock final : public Clock {
public:
    int64_t nowMs() const override { return platform::services().nowMs(); }
    void sleepMs(int ms) override { platform::services().sleep(ms); }
};

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        vexmo::testing::EnsureQtApp();
        ui::UiEnvironment env;
        env.appDirectory = std::string(VEXMO_BINARY_DIR) + "/";
        ui::SetEnv(env);
        OpenDialogs().Clear();
        services.setWorkArea(QRect(0, 0, 1920, 1040));
    }
    void TearDown() override {
        mouse.setHotplugCallback({});
        if (window) {
            window->destroy();
            window->Shutdown();
        }
    }

    // Creates the main window as the program does (without its modal run).
    void start() {
        makeWindow();
        ASSERT_TRUE(window->Create(nullptr));
        services.processPosted();
    }
    // The window, with the mouse's plugging reaching it as device notices (as in --demo).
    void makeWindow() {
        window = std::make_unique<CVexmoDlg>(AppOptions{dir.dir(), "en_US"}, mouse);
        mouse.setHotplugCallback([w = window.get()](uint16_t, bool arrived) {
            w->post(msg::kDeviceChange, arrived ? msg::kArrival : msg::kRemoval, 0);
        });
    }
    platform::test::TestWindow& host() { return services.host(*window); }
    ProfileRecord& profile() { return window->model().currentProfile(); }
    std::string file(const std::string& name) const { return dir.dir() + "config/" + name; }

    std::vector<hid::VirtualMouse::LogEntry> sets() const { return SentReports(mouse); }
    std::vector<uint8_t> sentCommands() const { return SentCommands(mouse); }
    // Presses the mouse's DPI button until the main window has taken the report (a press made
    // before the reader thread opened its interface is lost, as on a real mouse).
    // Then a polling-button press, taken in order after them, shows that no report of the
    // repeated presses is still on its way.
    void pressDpiButtonUntilSeen(int level) {
        const bool seen = waitUntil([&] {
            mouse.pressDpiButton(level);
            return profile().currentDpiLevel == level - 1;
        });
        ASSERT_TRUE(seen) << "the reader never reported";
        ASSERT_TRUE(mouse.pressPollingButton(8));
        ASSERT_TRUE(waitUntil([&] { return profile().pollingRateValue[0] == 0; }));
    }
    // Lets posted messages in until the condition holds (reader threads hand over through them).
    bool waitUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 5000 && !done(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            services.processPosted();
        }
        return done();
    }
    size_t windowsNamed(const std::string& name) const {
        size_t n = 0;
        for (auto* w : services.windows())
            if (w->name() == name && w->visible()) ++n;
        return n;
    }

    platform::test::TestServices services;
    TempDir dir;
    ServicesClock clock;
    hid::VirtualMouse mouse{clock};
    std::unique_ptr<CVexmoDlg> window;
};

}  // namespace vexmo::test
