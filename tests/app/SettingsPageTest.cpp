#include "ProgramFixture.h"
#include "performance/DpiSectionController.h"
#include "ui/CCheckButton.h"

namespace vexmo::test {
namespace {

using platform::test::TestWindow;

// Design centres of the main window's controls (A and D open).
constexpr int kPollingTop = 67 + 196 + 25;
QPoint pollingRadio(int i) {
    const int pos[4][2] = {{59, 20}, {59, 92}, {131, 92}, {131, 20}};
    return {846 + pos[i][0] + 36, kPollingTop + pos[i][1] + 36};
}
QPoint dpiSwitch(int k) {
    return {881 + 36 * k + 5, 226 + 5};
}
QPoint dpiValue(int k) {
    return {883 + 36 * k + 3, 75 + 100};
}
QPoint dpiColour(int k) {
    return {874 + 36 * k + 13, 240 + 6};
}

class SettingsPage : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        start();
        services.advance(1000);
        mouse.clearLog();
    }
    void click(QPoint p) { host().clickDesign(p.x(), p.y()); }
    // Lets the upload (20 ms) and its progress window run.
    void upload() { services.advance(1000); }
    std::string profileFile() { return readBytes(file("default0.psf")); }
    bool fileHas(const std::string& line) {
        return profileFile().find(utf16le(line)) != std::string::npos;
    }
};

TEST_F(SettingsPage, FiveHundredHertzIsStoredSentOnceAndSaved) {
    click(pollingRadio(2));
    EXPECT_EQ(profile().pollingRateValue[0], 2);
    EXPECT_EQ(profile().pollingRateName, u"500HZ");
    upload();
    const auto reports = sets();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].bytes[2], 0x07);
    EXPECT_EQ(reports[0].bytes[7], 2);
    EXPECT_EQ(mouse.config().pollingCode, 2);
    EXPECT_FALSE(fileHas("PollingRateValue=020000"));
    services.advance(10000);
    EXPECT_TRUE(fileHas("PollingRateValue=020000"));
    EXPECT_TRUE(fileHas("PollingRateName=500HZ"));
}

TEST_F(SettingsPage, MotionWakeupTwoShowsOffButIsSentAsIs) {
    profile().setValue(kMotionWakeup, u"2");
    window->refreshDisplay();
    EXPECT_FALSE(window->display().motionWakeup()->ticked());
    window->SettingsChanged(kUploadMotionWakeup);
    upload();
    ASSERT_EQ(sentCommands(), std::vector<uint8_t>{0x0C});
    EXPECT_EQ(sets()[0].bytes[7], 2);
}

TEST_F(SettingsPage, SleepTimeAndMovingLightingTogetherSendOneCommand) {
    // The sleep-time dial's triangle of 9 minutes, then the moving-lighting switch.
    host().clickDesign(81 + 115, 550 + 47);
    click({57, 665});
    upload();
    ASSERT_EQ(sentCommands(), std::vector<uint8_t>{0x0B});
    EXPECT_EQ(sets()[0].bytes[7], 9);
    EXPECT_EQ(sets()[0].bytes[8], 1);
    EXPECT_EQ(profile().value(kPowerDownTime), u"9");
    EXPECT_EQ(profile().value(kMoveLightingOnOffMode), u"1");
}

TEST_F(SettingsPage, OddDebounceLosesOneOnlyAfterALevelSwitch) {
    profile().setValue(kKeyDebounce, u"13");
    window->refreshDisplay();
    window->SettingsChanged(kUploadPerformance);
    upload();
    EXPECT_EQ(mouse.config().debounce, 13);
    click(pollingRadio(0));
    upload();
    EXPECT_EQ(profile().value(kKeyDebounce), u"13");
    mouse.clearLog();
    click(dpiSwitch(5));  // level 5 off
    EXPECT_EQ(profile().value(kKeyDebounce), u"12");
    upload();
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{0x05, 0x0A}));
    EXPECT_EQ(mouse.config().debounce, 12);
}

TEST(DpiSwitchRule, PositionAfterSwitch) {
    struct Case {
        const char* what;
        uint8_t flags;
        int position, level;
        bool on;
        int want;
    };
    const Case cases[] = {
        {"off below the active level", 0x3F, 3, 1, false, 2},
        {"off the active level", 0x3F, 3, 3, false, 2},
        {"off the active level at position 0", 0x3F, 0, 0, false, 0},
        {"off above the active level", 0x3F, 3, 5, false, 3},
        {"on below the active level", 0x3E, 2, 0, true, 3},
        {"on above the active level", 0x1E, 2, 5, true, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionAfterSwitch(c.flags, c.position, c.level, c.on), c.want) << c.what;
}

TEST_F(SettingsPage, SwitchingOffLevelOneKeepsLevelThreeActive) {
    profile().currentDpiLevel = 3;
    window->refreshDisplay();
    click(dpiSwitch(1));
    EXPECT_EQ(profile().dpiOffOnFlag, 0x3D);
    EXPECT_EQ(profile().currentDpiLevel, 2);
    upload();
    EXPECT_EQ(sentCommands(), std::vector<uint8_t>{0x05});
    EXPECT_EQ(mouse.config().dpi[0], (2 + 1) * 16 + 5);
}

TEST_F(SettingsPage, TheOnlyEnabledLevelStaysOn) {
    profile().dpiOffOnFlag = 0x04;
    profile().currentDpiLevel = 0;
    window->refreshDisplay();
    click(dpiSwitch(2));
    EXPECT_TRUE(window->display().dpiSwitch(2)->ticked());
    EXPECT_EQ(profile().dpiOffOnFlag, 0x04);
    upload();
    EXPECT_TRUE(sets().empty());
}

TEST_F(SettingsPage, TypedDpiValueChoosesTheFirstStepAtOrAbove) {
    services.onModal("CDPIValueSettingDlg", [](TestWindow& w) {
        w.typeText(u"1050");
        w.clickDesign(384, 120);  // OK
    });
    click(dpiValue(0));
    EXPECT_EQ(profile().xySetting[0], 9);  // 1100 DPI
    upload();
    EXPECT_EQ(sentCommands(), std::vector<uint8_t>{0x05});
    EXPECT_EQ(mouse.config().dpi[2], 10);  // sensor 0x3325 sends step + 1
}

TEST_F(SettingsPage, PaletteFrameClickAndCloseChangeNothing) {
    const Colour before = profile().dpiLevelIndication[1];
    services.onModal("CColorPaletteDlg", [](TestWindow& w) {
        w.clickDesign(10, 150);  // the frame
        w.clickDesign(487, 13);  // close
    });
    click(dpiColour(1));
    EXPECT_EQ(profile().dpiLevelIndication[1], before);
    upload();
    EXPECT_TRUE(sets().empty());
}

TEST_F(SettingsPage, PalettePickAndOkUploadsTheColour) {
    services.onModal("CColorPaletteDlg", [](TestWindow& w) {
        w.clickDesign(120, 150);  // inside the left pick area
        w.clickDesign(425, 244);  // OK
    });
    click(dpiColour(1));
    const Colour picked = profile().dpiLevelIndication[1];
    EXPECT_NE(picked, 0x00FF00u);
    upload();
    EXPECT_EQ(sentCommands(), std::vector<uint8_t>{0x06});
    EXPECT_EQ(mouse.config().dpiColours[3], redOf(picked));
}

TEST_F(SettingsPage, RestoreInSlotTwoKeepsNameResetsRewritesOnlyItsFile) {
    window->model().settings.SetCurrentProfile(2);
    ProfileRecord& p = window->model().profiles[2];
    p.setValue(kProfileName, u"Renamed");
    p.dpiOffOnFlag = 0x07;
    window->refreshDisplay();
    const std::string other = readBytes(file("default1.psf"));
    mouse.clearLog();
    services.onModal("CFirmwareResetDlg", [](TestWindow& w) { w.pressKey(0x0D); });
    host().clickDesign(1040 + 34, 700 + 10);
    EXPECT_EQ(p.value(kProfileName), u"Renamed");
    EXPECT_EQ(p.dpiOffOnFlag, 0x3F);
    EXPECT_EQ(readBytes(file("default1.psf")), other);
    EXPECT_NE(readBytes(file("default2.psf")).find(utf16le("ProfileName=Renamed")),
              std::string::npos);
    const auto reports = sets();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].product, 0x5B2F);
    EXPECT_EQ(reports[0].bytes[1], 0x00);
    EXPECT_EQ(reports[0].bytes[2], 0x0F);
    EXPECT_TRUE(mouse.violations().empty());
    // Primed: an edit of one level sends only that.
    mouse.clearLog();
    click(dpiSwitch(5));
    upload();
    EXPECT_EQ(sentCommands(), std::vector<uint8_t>{0x05});
}

TEST_F(SettingsPage, RestoreCancelledChangesNothing) {
    services.onModal("CFirmwareResetDlg", [](TestWindow& w) {
        w.pressKey(0x1B);
        w.clickDesign(384, 120);
    });
    profile().dpiOffOnFlag = 0x07;
    host().clickDesign(1040 + 34, 700 + 10);
    EXPECT_EQ(profile().dpiOffOnFlag, 0x07);
    EXPECT_TRUE(sets().empty());
}

}  // namespace
}  // namespace vexmo::test

namespace vexmo::test {
namespace {

TEST_F(ProgramFixture, LiftOffRadioSendsOnlyWhatChanged) {
    mouse.setSensorCode(0x60);  // a sensor with the lift-off option
    start();
    services.advance(1000);
    ASSERT_TRUE(window->FindControl(id::kHeaderSensor)->shown());
    host().clickDesign(846 + 100, 97 + 196 + 180 + 12);  // open the sensor option section
    ASSERT_TRUE(window->display().sections().isOpen(SectionLayout::kSensor));
    const int content = window->display().sections().contentTop(SectionLayout::kSensor);
    mouse.clearLog();
    host().clickDesign(846 + 160 + 7, content + 27 + 7);  // 3511 while the value is "2"
    services.advance(1000);
    EXPECT_TRUE(sets().empty());
    EXPECT_EQ(profile().value(kLiftDetectionHeight), u"2");
    host().clickDesign(846 + 80 + 7, content + 27 + 7);  // 3510
    services.advance(1000);
    ASSERT_EQ(sentCommands(), std::vector<uint8_t>{0x09});
    EXPECT_EQ(sets()[0].bytes[7], 1);
    EXPECT_EQ(profile().value(kLiftDetectionHeight), u"1");
}

}  // namespace
}  // namespace vexmo::test
