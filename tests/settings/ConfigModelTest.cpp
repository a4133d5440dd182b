#include "settings/ConfigModel.h"

#include <gtest/gtest.h>

#include "SettingsFixture.h"
#include "settings/ProfileFile.h"

namespace vexmo {
namespace {

using namespace vexmo::test;

constexpr std::array<uint16_t, 8> kLevels3325 = {10, 22, 30, 46, 51, 58, 58, 50};
constexpr std::array<uint16_t, 8> kLevels3360 = {3, 7, 15, 31, 49, 59, 59, 59};

class ConfigModelTest : public ConfigFixture {
protected:
    // The default settings text for this directory with one line replaced.
    std::string configText(const std::string& from = "", const std::string& to = "") const {
        std::string text = replaceAll(golden("default_config.ini.txt"), "@DATA@", tmp.dir());
        return from.empty() ? text : replaceAll(text, from, to);
    }
    void writeConfig(const std::string& utf8) {
        writeBytes(config("config.ini"), markedUtf16(utf8));
    }

    // Writes a profile file for every slot whose levels all sit at step `step`.
    void writeMarkedProfiles(uint16_t step) {
        for (int slot = 0; slot < 5; ++slot) {
            ProfileRecord r;
            ResetProfile(r, slot, model.language, 0x3325);
            r.xySetting.fill(step);
            r.namedValues[kProfileName].value = u"Saved " + formatDec(slot);
            ASSERT_TRUE(SaveProfileFile(r, profileFile(slot)));
        }
    }
    std::string defaultProfileBytes(int slot) const {
        ProfileRecord r;
        ResetProfile(r, slot, model.language, 0x3325);
        TempDir other;
        SaveProfileFile(r, other.file("p.psf"));
        return readBytes(other.file("p.psf"));
    }
};

TEST_F(ConfigModelTest, FirstStartWritesTheDefaultSettingsAndFiveProfiles) {
    EXPECT_FALSE(model.LoadSettings());
    EXPECT_EQ(readBytes(config("config.ini")), defaultConfigBytes());
    EXPECT_EQ(readBytes(profileFile(0)), markedUtf16(golden("default_profile0.psf.txt")));
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(readBytes(profileFile(slot)), defaultProfileBytes(slot)) << slot;
        EXPECT_EQ(model.profiles[slot].xySetting, kLevels3325);
    }
    EXPECT_EQ(model.profiles[3].value(kProfileName), u"Profile 4");
    EXPECT_EQ(model.sensorId, 0x3325);
    EXPECT_EQ(model.currentSlot(), 0);
}

TEST_F(ConfigModelTest, MalformedSettingsRestoreDefaultsAndRewriteEveryProfile) {
    const std::pair<const char*, std::string> cases[] = {
        {"header letter case", replaceAll(configText(), "[Setting]", "[SETTING]")},
        {"seventeenth entry", configText() + "Extra=1\n"},
        {"empty current profile", configText("CurrentProfile=0", "CurrentProfile=")},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        writeConfig(text);
        writeMarkedProfiles(5);
        ConfigModel fresh;
        fresh.dataDirectory = model.dataDirectory;
        fresh.language = model.language;
        EXPECT_FALSE(fresh.LoadSettings());
        EXPECT_EQ(readBytes(config("config.ini")), defaultConfigBytes());
        for (int slot = 0; slot < 5; ++slot) {
            EXPECT_EQ(readBytes(profileFile(slot)), defaultProfileBytes(slot));
            EXPECT_EQ(fresh.profiles[slot].xySetting, kLevels3325);
        }
    }
}

TEST_F(ConfigModelTest, GoodSettingsLoadTheProfilesAsStored) {
    writeConfig(configText("CurrentProfile=0", "CurrentProfile=2"));
    writeMarkedProfiles(5);
    const std::string before = readBytes(profileFile(1));
    EXPECT_TRUE(model.LoadSettings());
    EXPECT_EQ(model.currentSlot(), 2);
    EXPECT_EQ(&model.currentProfile(), &model.profiles[2]);
    EXPECT_EQ(model.currentProfile().value(kProfileName), u"Saved 2");
    EXPECT_EQ(model.profiles[4].xySetting[7], 5);
    EXPECT_EQ(readBytes(profileFile(1)), before);
    EXPECT_EQ(readBytes(config("config.ini")),
              markedUtf16(configText("CurrentProfile=0", "CurrentProfile=2")));
}

TEST_F(ConfigModelTest, HeaderOnlySettingsLeaveEveryPathEmpty) {
    writeConfig("[Setting]\n");
    EXPECT_TRUE(model.LoadSettings());
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(model.profilePath(slot), "");
        EXPECT_FALSE(std::filesystem::exists(profileFile(slot)));
    }
    // Slots run on defaults in memory.
    EXPECT_EQ(model.profiles[0].value(kProfileName), u"配置文件1");
    EXPECT_EQ(model.profiles[0].dpiOffOnFlag, 0x3F);
}

TEST_F(ConfigModelTest, ConsistentSensorPairChangesNothing) {
    writeConfig(configText("Sensor=0x3325\nPreST=0xCCDA", "Sensor=0x3360\nPreST=0xCC9F"));
    writeMarkedProfiles(5);
    const std::string before = readBytes(profileFile(0));
    EXPECT_TRUE(model.LoadSettings());
    EXPECT_EQ(model.sensorId, 0x3360);
    EXPECT_EQ(model.profiles[0].xySetting[0], 5);
    EXPECT_EQ(readBytes(profileFile(0)), before);
}

TEST_F(ConfigModelTest, SensorCheckAppliesTheSensorDefaultsToAllSlots) {
    writeConfig(replaceAll(configText("Sensor=0x3325", "Sensor=0x3360"), "CurrentProfile=0",
                           "CurrentProfile=2"));
    writeMarkedProfiles(5);
    EXPECT_TRUE(model.LoadSettings());
    EXPECT_EQ(model.sensorId, 0x3360);
    EXPECT_EQ(model.settings.entry(SettingsStore::kPreST).value, u"0xCC9F");
    // Start-up has not taken the current slot yet, so slot 0 becomes current.
    EXPECT_EQ(model.currentSlot(), 0);
    EXPECT_EQ(
        readBytes(config("config.ini")),
        markedUtf16(configText("Sensor=0x3325\nPreST=0xCCDA", "Sensor=0x3360\nPreST=0xCC9F")));
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(model.profiles[slot].xySetting, kLevels3360);
        EXPECT_EQ(model.profiles[slot].value(kProfileName), u"Saved " + formatDec(slot));
        ProfileRecord onDisk;
        ASSERT_TRUE(ReadProfileFile(onDisk, profileFile(slot)));
        EXPECT_EQ(onDisk, model.profiles[slot]);
    }
}

// A damaged profile is reset for the sensor the settings name, not for an unset one.
TEST_F(ConfigModelTest, DamagedProfileIsResetForTheConfiguredSensor) {
    writeConfig(configText("Sensor=0x3325\nPreST=0xCCDA", "Sensor=0x3360\nPreST=0xCC9F"));
    writeMarkedProfiles(5);
    writeBytes(profileFile(3), markedUtf16("[Setting]\nProfileName=cut short\n"));
    EXPECT_TRUE(model.LoadSettings());
    EXPECT_EQ(model.profiles[3].xySetting, kLevels3360);
    EXPECT_EQ(model.profiles[3].value(kProfileName), u"Profile 4");
    ProfileRecord onDisk;
    ASSERT_TRUE(ReadProfileFile(onDisk, profileFile(3)));
    EXPECT_EQ(onDisk, model.profiles[3]);
    EXPECT_EQ(model.profiles[2].xySetting[0], 5);
}

TEST_F(ConfigModelTest, OutOfRangeCurrentProfileCountsAsSlotZero) {
    writeConfig(configText("CurrentProfile=0", "CurrentProfile=7"));
    EXPECT_TRUE(model.LoadSettings());
    EXPECT_EQ(model.currentSlot(), 0);
    EXPECT_EQ(&model.currentProfile(), &model.profiles[0]);
}

TEST_F(ConfigModelTest, ChangeSensorResetsLevelsWritesFilesAndRebuildsSteps) {
    ASSERT_FALSE(model.LoadSettings());
    model.BuildDpiSteps();
    ASSERT_EQ(model.dpiSteps.count(), 59);
    model.currentSlotTab = 1;
    model.profiles[2].xySetting.fill(1);
    model.profiles[2].currentDpiLevel = 4;

    EXPECT_FALSE(model.ChangeSensor(0x3325));  // the current sensor
    EXPECT_FALSE(model.ChangeSensor(0x1234));  // no step table for it
    EXPECT_EQ(model.settings.Sensor(), 0x3325);
    EXPECT_EQ(model.profiles[2].xySetting[0], 1);

    EXPECT_TRUE(model.ChangeSensor(0x3360));
    EXPECT_EQ(model.sensorId, 0x3360);
    EXPECT_EQ(model.dpiSteps.count(), 121);
    EXPECT_TRUE(model.dpiSteps.capability());
    SettingsStore onDisk;
    ASSERT_TRUE(onDisk.ReadFile(config("config.ini")));
    EXPECT_EQ(onDisk.entry(SettingsStore::kSensor).value, u"0x3360");
    EXPECT_EQ(onDisk.entry(SettingsStore::kPreST).value, u"0xCC9F");
    EXPECT_EQ(onDisk.CurrentProfile(), 1);
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(model.profiles[slot].xySetting, kLevels3360);
        EXPECT_EQ(model.profiles[slot].currentDpiLevel, 0);
        ProfileRecord saved;
        ASSERT_TRUE(ReadProfileFile(saved, profileFile(slot)));
        EXPECT_EQ(saved, model.profiles[slot]);
    }
}

}  // namespace
}  // namespace vexmo
