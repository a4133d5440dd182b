#include <functional>

#include "DeviceFixture.h"
#include "macros/MacroDeviceForm.h"

namespace vexmo::test {
namespace {

class Upload : public DeviceFixture {
protected:
    void SetUp() override {
        DeviceFixture::SetUp();
        start();
    }
    void change(unsigned groups, const std::function<void(ProfileRecord&)>& edit) {
        edit(profile());
        session->ScheduleUpload(groups);
        runUpload();
    }
    // A library macro of `steps` key events (press/release of A alternating, 10 ms apart).
    uint32_t addMacro(const char16_t* name, int steps) {
        MacroLocation at;
        EXPECT_EQ(library.AddMacro(name, at), 0);
        MacroRecord& macro = *library.ItemAt(at)->macro;
        for (int i = 0; i < steps; ++i) {
            macro.InsertAction(macro.actionNum, MacroAction::key(0x41, i % 2 == 1));
            if (i + 1 < steps) macro.InsertAction(macro.actionNum, MacroAction::delay(10));
        }
        macro.commandActionNum = macro.CountDeviceSteps();
        return macro.macroKeyIndex;
    }
    void assignMacro(int button, uint32_t keyIndex) {
        auto& b = profile().buttons[button];
        b.name = u"M";
        b.code = {0x90, 0, 0};
        b.macroKeyIndex = keyIndex;
    }
};

TEST_F(Upload, FirstUploadAfterStartSendsNothingTheMouseHolds) {
    EXPECT_EQ(mouse.config(), expectedMouse(model, mouse.config()));
    session->ScheduleUpload(kUploadAll);
    runUpload();
    EXPECT_TRUE(sets().empty());
}

TEST_F(Upload, ActiveLevelChangeSendsOneDpiCommand) {
    const int armed = host.saveArmed;
    change(kUploadPerformance, [](ProfileRecord& p) { p.currentDpiLevel = 2; });
    EXPECT_EQ(sentCommands(), std::vector<uint8_t>{0x05});
    EXPECT_EQ(mouse.config().activeLevel(), 3);
    EXPECT_EQ(host.progressShown, 1);
    EXPECT_EQ(host.saveArmed, armed + 1);
    EXPECT_TRUE(mouse.violations().empty());
}

TEST_F(Upload, SwappingButtonsThreeAndFourSendsBothInMouseOrder) {
    change(kUploadButtons, [](ProfileRecord& p) { std::swap(p.buttons[3], p.buttons[4]); });
    const auto reports = sets();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].bytes[7], 3);
    EXPECT_EQ(reports[1].bytes[7], 4);
    // Device button 3 is profile button 4, now the fifth button (0x10 0x10).
    EXPECT_EQ(reports[0].bytes[9], 0x10);
    EXPECT_EQ(reports[1].bytes[9], 0x08);
    EXPECT_EQ(mouse.config(), expectedMouse(model, mouse.config()));
}

TEST_F(Upload, TwoButtonsWithOneMacroShareNumberOneAndTheMacroGoesOnce) {
    const uint32_t key = addMacro(u"M", 4);
    assignMacro(2, key);
    assignMacro(3, key);
    session->RequestMacroCopy();
    change(kUploadButtons, [](ProfileRecord&) {});
    EXPECT_EQ(profile().buttons[2].code, (ButtonCode{0x90, 0x21, 0x01}));
    EXPECT_EQ(profile().buttons[3].code, (ButtonCode{0x90, 0x21, 0x01}));
    int packets = 0;
    for (const auto& r : sets())
        packets += r.bytes[2] == 0x0E;
    EXPECT_EQ(packets, 1);
    ASSERT_TRUE(mouse.config().macros.count(1));
    EXPECT_EQ(mouse.config().macros.at(1).size(), 12u);
    EXPECT_TRUE(mouse.violations().empty());
    // Nothing changed: nothing goes out again.
    mouse.clearLog();
    change(kUploadButtons, [](ProfileRecord&) {});
    EXPECT_TRUE(sets().empty());
}

TEST_F(Upload, TenStepMacroGoesAsTwoPackets) {
    const uint32_t key = addMacro(u"Ten", 10);
    assignMacro(0, key);
    profile().buttons[1].code = {0x10, 0x01, 0};  // keeps a left click
    session->RequestMacroCopy();
    change(kUploadButtons, [](ProfileRecord&) {});
    std::vector<hid::VirtualMouse::LogEntry> packets;
    for (const auto& r : sets())
        if (r.bytes[2] == 0x0E) packets.push_back(r);
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].bytes[5], 0x02);
    EXPECT_EQ(packets[1].bytes[5], 0x12);
    EXPECT_EQ(packets[0].bytes[6], 26);
    EXPECT_EQ(packets[1].bytes[6], 6);
    const MacroImage image = BuildMacroImage(profile().buttons[0].macro, 1);
    EXPECT_EQ(mouse.config().macros.at(1),
              std::vector<uint8_t>(image.begin() + 4, image.begin() + 4 + 30));
    EXPECT_TRUE(mouse.violations().empty());
}

TEST_F(Upload, MacroButtonWhoseMacroLeftTheLibraryIsDisabled) {
    assignMacro(4, 999);
    change(kUploadButtons, [](ProfileRecord&) {});
    EXPECT_EQ(profile().buttons[4].code, (ButtonCode{0, 0, 0}));
    EXPECT_EQ(profile().buttons[4].name, model.language.text(34));
    EXPECT_EQ(mouse.config().buttons[3], (std::array<uint8_t, 3>{0, 0, 0}));
}

TEST_F(Upload, EveryReportIsFollowedBySixtyMilliseconds) {
    change(kUploadPerformance | kUploadPower | kUploadMotionWakeup, [](ProfileRecord& p) {
        p.currentDpiLevel = 1;
        p.dpiLevelIndication[0] = 0x123456;
        p.pollingRateValue[0] = 0;
        p.setNumber(kPowerDownTime, 9);
        p.setNumber(kMotionWakeup, 0);
    });
    const auto reports = sets();
    ASSERT_EQ(reports.size(), 5u);
    for (size_t i = 1; i < reports.size(); ++i)
        EXPECT_GE(reports[i].timeMs - reports[i - 1].timeMs, 60) << i;
    EXPECT_GE(clock.nowMs() - reports.back().timeMs, 60);
}

TEST_F(Upload, SequenceNumberWrapsAfter255) {
    session->sender().buffer().setSequence(254);
    change(kUploadPerformance, [](ProfileRecord& p) {
        p.currentDpiLevel = 3;
        p.pollingRateValue[0] = 1;
        p.setNumber(kKeyDebounce, 8);
    });
    const auto reports = sets();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].bytes[4], 254);
    EXPECT_EQ(reports[1].bytes[4], 255);
    EXPECT_EQ(reports[2].bytes[4], 0);
}

TEST_F(Upload, ChangeWithoutHandleIsSentWhenTheMouseArrives) {
    mouse.unplug(0x5B2E);
    session->OnDeviceChange(DeviceSession::Notice::Removal);
    mouse.unplug(0x5B2F);
    EXPECT_EQ(session->OnDeviceChange(DeviceSession::Notice::Removal),
              DeviceSession::NoticeResult::LastRemoved);
    mouse.clearLog();

    change(kUploadPerformance, [](ProfileRecord& p) { p.pollingRateValue[0] = 2; });
    EXPECT_TRUE(sets().empty());
    EXPECT_TRUE(session->uploader().isPending(kUploadPerformance));

    mouse.plug(0x5B2F);
    session->OnDeviceChange(DeviceSession::Notice::Arrival);
    runUpload();
    // The first arrival queries the status, then the upload sends the pending change.
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{0x20, 0x07}));
    EXPECT_EQ(mouse.config().pollingCode, 2);
    EXPECT_EQ(host.progressShown, 0);  // a device search shows no progress
}

// After any single setting change the mouse holds exactly what the profile says.
TEST_F(Upload, MouseEqualsProfileAfterEachSingleChange) {
    struct Case {
        const char* what;
        unsigned group;
        std::function<void(ProfileRecord&)> edit;
        std::vector<uint8_t> commands;
    };
    const Case cases[] = {
        {"button",
         kUploadButtons,
         [](ProfileRecord& p) {
             p.buttons[5].code = {0x50, 7, 0};
         },
         {0x04}},
        {"level on", kUploadPerformance, [](ProfileRecord& p) { p.dpiOffOnFlag = 0x7F; }, {0x05}},
        {"level step", kUploadPerformance, [](ProfileRecord& p) { p.xySetting[1] = 40; }, {0x05}},
        {"colour",
         kUploadPerformance,
         [](ProfileRecord& p) { p.dpiLevelIndication[7] = 0x0A0B0C; },
         {0x06}},
        {"polling",
         kUploadPerformance,
         [](ProfileRecord& p) { p.pollingRateValue[0] = 0; },
         {0x07}},
        {"lift",
         kUploadPerformance,
         [](ProfileRecord& p) { p.setNumber(kLiftDetectionHeight, 1); },
         {0x09}},
        {"debounce",
         kUploadPerformance,
         [](ProfileRecord& p) { p.setNumber(kKeyDebounce, 4); },
         {0x0A}},
        {"lighting mode",
         kUploadPerformance,
         [](ProfileRecord& p) { p.lighting1ModeValue[0] = 2; },
         {0x08}},
        {"power", kUploadPower, [](ProfileRecord& p) { p.setNumber(kPowerDownTime, 3); }, {0x0B}},
        {"moving light",
         kUploadPower,
         [](ProfileRecord& p) { p.setNumber(kMoveLightingOnOffMode, 1); },
         {0x0B}},
        {"wake-up",
         kUploadMotionWakeup,
         [](ProfileRecord& p) { p.setNumber(kMotionWakeup, 0); },
         {0x0C}},
    };
    for (const auto& c : cases) {
        mouse.clearLog();
        change(c.group, c.edit);
        EXPECT_EQ(sentCommands(), c.commands) << c.what;
        EXPECT_EQ(mouse.config(), expectedMouse(model, mouse.config())) << c.what;
    }
    EXPECT_TRUE(mouse.violations().empty());
}

}  // namespace
}  // namespace vexmo::test
