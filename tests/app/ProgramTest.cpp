#include "ProgramFixture.h"
#include "ui/CControlBase.h"

namespace vexmo::test {
namespace {

using platform::test::TestWindow;

TEST_F(ProgramFixture, FirstStartCreatesTheDataFolderAndItsFiles) {
    start();
    for (const char* name :
         {"config.ini", "default0.psf", "default1.psf", "default2.psf", "default3.psf",
          "default4.psf", "Lan.txt", "Lan_EN.txt", "LanSetting.ini"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(file(name))) << name;
    }
    EXPECT_EQ(window->model().language.text(0), u"English");
    EXPECT_TRUE(host().visible());
    EXPECT_TRUE(services.testTray().shown());
    EXPECT_EQ(host().geometry(), QRect(396, 150, 1127, 740));
}

TEST_F(ProgramFixture, MissingMouseWarningAppearsOnceAboutTwoSecondsAfterStart) {
    mouse.unplug(0x5B2E);
    mouse.unplug(0x5B2F);
    start();
    services.advance(1990);
    EXPECT_EQ(windowsNamed("CAttentionDlg"), 0u);
    services.advance(20);
    ASSERT_EQ(windowsNamed("CAttentionDlg"), 1u);
    TestWindow* warning = services.findByName("CAttentionDlg");
    EXPECT_TRUE(warning->topMost());
    services.advance(60000);
    EXPECT_EQ(windowsNamed("CAttentionDlg"), 1u);
}

TEST_F(ProgramFixture, NoWarningWithAMouse) {
    start();
    services.advance(5000);
    EXPECT_EQ(windowsNamed("CAttentionDlg"), 0u);
}

TEST_F(ProgramFixture, TitleButtonsHideToTheTrayAndTheTrayShowsAgain) {
    start();
    host().clickDesign(1099, 19);  // close
    EXPECT_FALSE(host().visible());
    EXPECT_TRUE(window->exists());
    EXPECT_TRUE(services.testTray().shown());
    services.testTray().sendEvent(platform::Tray::kDoubleClick);
    services.processPosted();
    EXPECT_TRUE(host().visible());
    host().clickDesign(1079, 19);  // minimise
    EXPECT_FALSE(host().visible());
    services.testTray().answerMenu(static_cast<int>(msg::kShowWindow));
    services.testTray().sendEvent(platform::Tray::kRightButtonUp);
    services.processPosted();
    EXPECT_TRUE(host().visible());
}

TEST_F(ProgramFixture, TrayExitWritesPendingFiles) {
    start();
    host().clickDesign(846 + 131 + 36, 67 + 196 + 25 + 92 + 36);  // 500 Hz
    services.advance(2000);  // uploaded; the save is due ten seconds after the upload
    EXPECT_TRUE(window->savePending());
    EXPECT_EQ(readBytes(file("default0.psf")).find(utf16le("PollingRateValue=020000")),
              std::string::npos);
    services.onModal("CVexmoDlg", [&](TestWindow&) {
        services.testTray().answerMenu(static_cast<int>(msg::kExit));
        services.testTray().sendEvent(platform::Tray::kRightButtonUp);
    });
    EXPECT_EQ(host().runModal(), 1);
    window->destroy();
    window->Shutdown();
    EXPECT_FALSE(services.testTray().shown());
    EXPECT_NE(readBytes(file("default0.psf")).find(utf16le("PollingRateValue=020000")),
              std::string::npos);
    window.reset();
}

TEST_F(ProgramFixture, DpiButtonOnTheMouseUpdatesProfileShowsDisplayAndSavesLater) {
    start();
    services.advance(1000);  // the upload after the first search has run
    mouse.clearLog();
    pressDpiButtonUntilSeen(3);
    EXPECT_EQ(profile().currentDpiLevel, 2);
    EXPECT_EQ(window->display().workingDpiPosition(), 2);
    ASSERT_EQ(windowsNamed("COSDDialog"), 1u);
    services.advance(1499);
    EXPECT_EQ(windowsNamed("COSDDialog"), 1u);
    services.advance(302);
    EXPECT_EQ(windowsNamed("COSDDialog"), 0u);
    // Nothing goes back to the mouse, and the files learn the change about ten seconds later.
    EXPECT_TRUE(sets().empty());
    services.advance(8198);
    EXPECT_EQ(readBytes(file("default0.psf")).find(utf16le("CurrentDPILevelValue=02")),
              std::string::npos);
    services.advance(2);
    EXPECT_NE(readBytes(file("default0.psf")).find(utf16le("CurrentDPILevelValue=02")),
              std::string::npos);
    EXPECT_TRUE(sets().empty());
}

TEST_F(ProgramFixture, ThreePressesHalfASecondApartKeepOneDisplay) {
    start();
    pressDpiButtonUntilSeen(2);
    for (int level : {3, 4}) {
        services.advance(500);
        EXPECT_EQ(windowsNamed("COSDDialog"), 1u);
        mouse.pressDpiButton(level);
        ASSERT_TRUE(waitUntil([&] { return profile().currentDpiLevel == level - 1; }));
        EXPECT_EQ(windowsNamed("COSDDialog"), 1u);
    }
    size_t displays = 0;
    for (auto* w : services.windows())
        displays += w->name() == "COSDDialog";
    EXPECT_EQ(displays, 1u);
    services.advance(1499);
    EXPECT_EQ(windowsNamed("COSDDialog"), 1u);
    services.advance(302);
    EXPECT_EQ(windowsNamed("COSDDialog"), 0u);
}

TEST_F(ProgramFixture, UnpluggingOneOfTwoProductsKeepsTheProgram) {
    start();
    mouse.unplug(0x5B2E);
    services.processPosted();
    EXPECT_TRUE(host().visible());
    EXPECT_TRUE(window->session().link().connected());
    EXPECT_EQ(window->session().link().sendHandle()->info().product, 0x5B2F);
}

TEST_F(ProgramFixture, UnpluggingTheLastProductClosesDialogsAndEndsTheProgram) {
    makeWindow();
    bool paletteOpened = false;
    services.onModal("CVexmoDlg", [&](TestWindow& w) { w.clickDesign(874 + 13, 240 + 6); });
    services.onModal("CColorPaletteDlg", [&](TestWindow&) {
        paletteOpened = true;
        EXPECT_EQ(OpenDialogs().size(), 1u);
        mouse.unplug(0x5B2E);
        mouse.unplug(0x5B2F);
    });
    EXPECT_EQ(window->Run(), 0);
    EXPECT_TRUE(paletteOpened);
    EXPECT_EQ(OpenDialogs().size(), 0u);
    EXPECT_FALSE(services.testTray().shown());
    window.reset();
}

TEST_F(ProgramFixture, OpeningSystemSectionWithDpiAndPollingOpenLeavesDpiAndSystem) {
    start();
    auto top = [&](int controlId) { return window->FindControl(controlId)->rect().top; };
    EXPECT_EQ(top(id::kHeaderSystem), 473);  // 97 + 196 + 180, the sensor option hidden
    EXPECT_FALSE(window->FindControl(id::kHeaderSensor)->shown());
    host().clickDesign(846 + 100, 473 + 12);
    const auto& sections = window->display().sections();
    EXPECT_TRUE(sections.isOpen(SectionLayout::kDpi));
    EXPECT_FALSE(sections.isOpen(SectionLayout::kPolling));
    EXPECT_TRUE(sections.isOpen(SectionLayout::kSystem));
    EXPECT_EQ(top(id::kHeaderSystem), 97 + 196);
    EXPECT_FALSE(window->FindControl(id::kFirstPollingRadio)->visible());
    EXPECT_TRUE(window->FindControl(id::kMouseSettings)->visible());
    EXPECT_EQ(window->FindControl(id::kMouseSettings)->rect().top, 97 + 196 + 25 + 30);
}

TEST_F(ProgramFixture, MouseSettingsAndLinkOpenTheDesktop) {
    start();
    host().clickDesign(846 + 100, 473 + 12);
    host().clickDesign(846 + 100, 293 + 25 + 50);
    EXPECT_EQ(services.mouseSettingsOpened(), 1);
    host().clickDesign(563, 669);
    ASSERT_EQ(services.openedUrls().size(), 1u);
}

TEST_F(ProgramFixture, HoveringAButtonSlotHighlightsItsNumber) {
    start();
    host().moveDesign(150, 112 + 5);
    EXPECT_EQ(window->display().highlightedButton(), 2);
    host().moveDesign(700, 30);
    EXPECT_EQ(window->display().highlightedButton(), 0);
}

TEST_F(ProgramFixture, BatteryFollowsTheStatusQuery) {
    mouse.setBattery(37, 2);
    start();
    services.advance(1000);
    auto* text = dynamic_cast<ui::CControlBase*>(window->FindControl(id::kBatteryText));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(window->session().status().battery, 100);
    mouse.setBattery(55, 1);
    services.advance(21000);
    EXPECT_EQ(window->session().status().battery, 55);
    EXPECT_FALSE(text->shown());  // charging hides the percentage
}

}  // namespace
}  // namespace vexmo::test
