#include "DeviceFixture.h"
#include "settings/ProfileFile.h"

namespace vexmo::test {
namespace {

using Notice = DeviceSession::Notice;
using NoticeResult = DeviceSession::NoticeResult;

TEST_F(DeviceFixture, StartQueriesStatusOnFirstArrivalAndStartsTimers) {
    start();
    EXPECT_TRUE(session->link().connected());
    EXPECT_EQ(host.timers.count(timer::kDeviceHealth), 1u);
    EXPECT_EQ(session->status().battery, mouse.status().battery);
    EXPECT_FALSE(session->link().firstArrivalPending());
}

TEST_F(DeviceFixture, WithoutMouseNothingIsQueriedAndNoHealthTimer) {
    mouse.unplug(0x5B2E);
    mouse.unplug(0x5B2F);
    start();
    EXPECT_FALSE(session->link().connected());
    EXPECT_EQ(host.timers.count(timer::kDeviceHealth), 0u);
    EXPECT_EQ(session->status().battery, 10);
    EXPECT_TRUE(session->link().firstArrivalPending());
}

TEST_F(DeviceFixture, ChangeReportUpdatesProfileAndSendsNothingBack) {
    start();
    // Presses made before the reader has opened its interface are lost: wait until it reports.
    syncReader(1);
    ASSERT_TRUE(mouse.pressPollingButton(4));
    ASSERT_TRUE(host.takePost());
    ASSERT_TRUE(mouse.pressDpiButton(3));
    const auto post = host.takePost();
    ASSERT_TRUE(post);
    const auto [polling, level] = *post;
    EXPECT_EQ(polling, 4);
    EXPECT_EQ(level, 3);
    session->ApplyDeviceChange(polling, level);
    EXPECT_EQ(profile().currentDpiLevel, 2);
    EXPECT_EQ(profile().pollingRateValue, (std::array<uint8_t, 3>{1, 0, 0}));
    EXPECT_EQ(profile().pollingRateName, u"250Hz");
    EXPECT_EQ(host.workingPosition, 2);
    session->ScheduleUpload(kUploadAll);
    runUpload();
    EXPECT_TRUE(sets().empty());
}

TEST_F(DeviceFixture, ChangeReportOfLevelZeroKeepsTheLevel) {
    start();
    profile().currentDpiLevel = 4;
    session->ApplyDeviceChange(8, 0);
    EXPECT_EQ(profile().currentDpiLevel, 4);
    EXPECT_EQ(profile().pollingRateName, u"125Hz");
}

TEST_F(DeviceFixture, NewSensorResetsAllProfilesAndRewritesTheirFiles) {
    for (auto& p : model.profiles)
        p.xySetting[0] = 33;
    start();
    mouse.setSensorCode(0x60);
    session->QueryStatus();
    EXPECT_EQ(model.sensorId, 0x3360);
    EXPECT_EQ(host.sensorChanges, 1);
    EXPECT_EQ(model.settings.entry(0).value, u"0x3360");
    EXPECT_EQ(model.settings.entry(1).value, u"0xCC9F");
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(model.profiles[slot].xySetting[0], 3) << slot;
        ConfigModel reread;
        reread.dataDirectory = model.dataDirectory;
        reread.settings = model.settings;
        ASSERT_TRUE(LoadProfileFile(reread, slot, model.profilePath(slot)));
        EXPECT_EQ(reread.profiles[slot].xySetting[0], 3) << slot;
    }
}

TEST_F(DeviceFixture, StatusReplyCases) {
    start();
    struct Case {
        uint8_t sensor, battery, charging;
        uint16_t wantSensor;
        uint8_t wantBattery, wantCharging;
    };
    const Case cases[] = {
        {0x00, 37, 2, 0x3325, 100, 2},  // unknown code: sensor kept; full shows 100 %
        {0x25, 55, 1, 0x3325, 55, 1},
        {0x25, 180, 0, 0x3325, 180, 0},  // the display, not the reply, clamps above 100
        {0x25, 40, 7, 0x3325, 40, 0},
    };
    for (const auto& c : cases) {
        Report reply{};
        reply[0] = 0x0C, reply[2] = 0x20, reply[6] = 0x0F;
        reply[15] = c.sensor, reply[18] = c.battery, reply[19] = c.charging;
        session->HandleStatusReply(reply);
        EXPECT_EQ(model.sensorId, c.wantSensor);
        EXPECT_EQ(session->status().battery, c.wantBattery);
        EXPECT_EQ(session->status().charging, c.wantCharging);
    }
    Report invalid{};
    invalid[2] = 0x20, invalid[6] = 0, invalid[18] = 3;
    session->HandleStatusReply(invalid);
    EXPECT_EQ(session->status().battery, 40);
    EXPECT_EQ(host.sensorChanges, 0);
}

TEST_F(DeviceFixture, UnpluggingOneOfTwoKeepsRunningTheLastEnds) {
    start();
    mouse.unplug(0x5B2E);
    EXPECT_EQ(session->OnDeviceChange(Notice::Removal), NoticeResult::Handled);
    EXPECT_EQ(session->statusCheckCounter(), 19);
    EXPECT_EQ(session->link().sendHandle(), session->link().featureHandle(1));
    mouse.unplug(0x5B2F);
    EXPECT_EQ(session->OnDeviceChange(Notice::Removal), NoticeResult::LastRemoved);
    EXPECT_TRUE(session->link().firstArrivalPending());
    EXPECT_EQ(session->OnDeviceChange(Notice::Removal), NoticeResult::Ignored);
}

TEST_F(DeviceFixture, ArrivalWhileBothPresentDoesNotRescan) {
    start();
    host.timers.clear();
    EXPECT_EQ(session->OnDeviceChange(Notice::Arrival), NoticeResult::Ignored);
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(DeviceFixture, HealthTickQueriesEveryTwentyFirstTick) {
    start();
    mouse.clearLog();
    session->setStatusCheckCounter(0);
    for (int tick = 0; tick < 20; ++tick)
        session->OnHealthTick();
    EXPECT_TRUE(sets().empty());
    session->OnHealthTick();
    EXPECT_EQ(sentCommands(), std::vector<uint8_t>{0x20});
    EXPECT_EQ(session->statusCheckCounter(), 0);
}

TEST_F(DeviceFixture, RestoreKeepsNameResetsSlotAndSendsThroughSecondProductOnly) {
    start();
    model.settings.SetCurrentProfile(2);
    ProfileRecord& p = model.profiles[2];
    p.setValue(kProfileName, u"Renamed");
    p.dpiOffOnFlag = 0x03;
    p.pollingRateValue[0] = 0;
    model.profiles[1].dpiOffOnFlag = 0x01;
    const std::string otherFile = readBytes(model.profilePath(1));
    mouse.clearLog();

    session->RestoreFactorySettings();

    const auto reports = sets();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].product, 0x5B2F);
    EXPECT_EQ(reports[0].bytes[1], 0x00);  // 0x5B2E is open as well
    EXPECT_EQ(reports[0].bytes[2], 0x0F);
    EXPECT_EQ(reports[0].bytes[7], 0xFF);
    EXPECT_EQ(p.value(kProfileName), u"Renamed");
    EXPECT_EQ(p.dpiOffOnFlag, 0x3F);
    EXPECT_EQ(p.pollingRateValue[0], 3);
    EXPECT_EQ(model.profiles[1].dpiOffOnFlag, 0x01);
    EXPECT_EQ(readBytes(model.profilePath(1)), otherFile);
    ConfigModel reread;
    reread.dataDirectory = model.dataDirectory;
    reread.settings = model.settings;
    ASSERT_TRUE(LoadProfileFile(reread, 2, model.profilePath(2)));
    EXPECT_EQ(reread.profiles[2].value(kProfileName), u"Renamed");
    // Shadows primed: an edit of one level sends only that.
    mouse.clearLog();
    p.xySetting[0] = 12;
    session->ScheduleUpload(kUploadPerformance);
    runUpload();
    EXPECT_EQ(sentCommands(), std::vector<uint8_t>{0x05});
}

TEST_F(DeviceFixture, RestoreWithOnlyFirstProductSendsNothing) {
    mouse.unplug(0x5B2F);
    start();
    session->RestoreFactorySettings();
    EXPECT_TRUE(sets().empty());
}

}  // namespace
}  // namespace vexmo::test
