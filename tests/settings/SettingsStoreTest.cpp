#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <functional>

#include "SettingsFixture.h"

namespace vexmo {
namespace {

using namespace vexmo::test;

TEST(SettingsStore, StartsEmptyAndResetsToTheFactoryTable) {
    SettingsStore store;
    for (int i = 0; i < SettingsStore::kEntries; ++i)
        EXPECT_EQ(store.entry(i), NamedValue{});
    TempDir tmp;
    store.ResetToDefaults(tmp.dir());
    ASSERT_TRUE(store.SaveSettings(tmp.file("config.ini")));
    EXPECT_EQ(readBytes(tmp.file("config.ini")),
              markedUtf16(replaceAll(golden("default_config.ini.txt"), "@DATA@", tmp.dir())));
    EXPECT_EQ(store.Sensor(), 0x3325);
    EXPECT_EQ(static_cast<uint16_t>(~store.PreST()), store.Sensor());
    EXPECT_EQ(store.ProfileSlotPath(4), tmp.dir() + "config/default4.psf");
}

TEST(SettingsStore, SaveToAMissingFolderWritesNothing) {
    TempDir tmp;
    SettingsStore store;
    store.ResetToDefaults(tmp.dir());
    EXPECT_FALSE(store.SaveSettings(tmp.file("missing/config.ini")));
    EXPECT_FALSE(std::filesystem::exists(tmp.file("missing")));
}

TEST(SettingsStore, ReadingCases) {
    struct Case {
        const char* name;
        std::string text;  // UTF-8; written as UTF-16LE with the mark
        bool readWithoutFault;
        std::function<void(const SettingsStore&)> check = nullptr;
    };
    const std::string header = "[Setting]\n";
    std::string sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += "K" + std::to_string(i) + "=v" + std::to_string(i) + "\n";
    const Case cases[] = {
        {"header only", header, true,
         [](const SettingsStore& s) {
             for (int i = 0; i < SettingsStore::kEntries; ++i)
                 EXPECT_EQ(s.entry(i), NamedValue{});
         }},
        {"header in other letter case", "[setting]\nSensor=0x3325\n", false},
        {"header with carriage returns", "[Setting]\r\nSensor=0x3325\r\n", false},
        {"empty file", "", false},
        {"sixteen entries", header + sixteen, true,
         [](const SettingsStore& s) {
             EXPECT_EQ(s.entry(15), (NamedValue{u"K15", u"v15"}));
         }},
        {"a seventeenth entry", header + sixteen + "Extra=1\n", false},
        {"value empty",
         header + "Sensor=0x3325\nPreST=0xCCDA\nMac_ID=1\nDataChange=1\nCurrentProfile=\n", false},
        {"key empty", header + "=0x3325\n", false},
        {"no equals sign", header + "Sensor\n", false},
        {"blank line", header + "Sensor=0x3325\n\nPreST=0xCCDA\n", false},
        {"letter as current profile", header + "a=1\nb=2\nc=3\nd=4\nCurrentProfile=x\n", true,
         [](const SettingsStore& s) { EXPECT_EQ(s.CurrentProfile(), 0); }},
        {"keys taken by position", header + "PreST=0xCCDA\nSensor=0x3325\n", true,
         [](const SettingsStore& s) {
             EXPECT_EQ(s.entry(0), (NamedValue{u"PreST", u"0xCCDA"}));
             EXPECT_EQ(s.Sensor(), 0xCCDA);
             EXPECT_EQ(s.PreST(), 0x3325);
         }},
        {"value with equals signs", header + "Sensor=a=b=\n", true,
         [](const SettingsStore& s) { EXPECT_EQ(s.entry(0).value, u"a=b="); }},
        {"file ends early", header + "Sensor=0x3360\n", true,
         [](const SettingsStore& s) {
             EXPECT_EQ(s.Sensor(), 0x3360);
             EXPECT_EQ(s.entry(1), NamedValue{});
             EXPECT_EQ(s.ProfileSlotPath(0), "");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir tmp;
        writeBytes(tmp.file("config.ini"), markedUtf16(c.text));
        SettingsStore store;
        EXPECT_EQ(store.ReadFile(tmp.file("config.ini")), c.readWithoutFault);
        if (c.check) c.check(store);
    }
    SettingsStore store;
    EXPECT_FALSE(store.ReadFile("/nonexistent/config.ini"));
}

// Reads a store whose entry 0 and 4 hold the given values.
SettingsStore storeWith(const std::string& sensor, const std::string& current) {
    TempDir tmp;
    writeBytes(tmp.file("c.ini"), markedUtf16("[Setting]\nSensor=" + sensor + "\nPreST=" + sensor +
                                              "\nM=1\nD=1\nCurrentProfile=" + current + "\n"));
    SettingsStore store;
    EXPECT_TRUE(store.ReadFile(tmp.file("c.ini")));
    return store;
}

TEST(SettingsStore, GettersParseAndSettersFormat) {
    const std::pair<const char*, int> slots[] = {{"0", 0},  {"3", 3},          {"4", 4},  {"5", 0},
                                                 {"-1", 0}, {"x", 0},          {" 2", 2}, {"2x", 2},
                                                 {"9", 0},  {"4294967296", 0}, {"+1", 1}};
    for (const auto& [text, slot] : slots) {
        EXPECT_EQ(storeWith("0", text).CurrentProfile(), slot) << text;
    }
    const std::pair<const char*, uint16_t> sensors[] = {{"0x3360", 0x3360}, {"3360", 0x3360},
                                                        {"0X33a5", 0x33A5}, {"zz", 0},
                                                        {"0x  33", 0},      {"0x13325", 0x3325}};
    for (const auto& [text, id] : sensors)
        EXPECT_EQ(storeWith(text, "0").Sensor(), id) << text;

    SettingsStore store;
    store.SetPreST(static_cast<uint16_t>(~0x3104));
    EXPECT_EQ(store.entry(SettingsStore::kPreST).value, u"0xCEFB");
    store.SetSensor(0x33);
    EXPECT_EQ(store.entry(SettingsStore::kSensor).value, u"0x  33");
    store.SetCurrentProfile(3);
    EXPECT_EQ(store.entry(SettingsStore::kCurrentProfile).value, u"3");
    store.SetProfileShowCount(4);
    store.SetProfileShowList(4, 1);
    store.SetProfileShowList(5, 1);  // no such position: ignored
    EXPECT_EQ(store.ProfileShowCount(), 4);
    EXPECT_EQ(store.ProfileShowList(4), 1);
    EXPECT_EQ(store.ProfileShowList(5), 0);
    EXPECT_EQ(store.ProfileSlotUrl(-1), u"");
}

}  // namespace
}  // namespace vexmo
