#include "settings/ProfileFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "SettingsFixture.h"

namespace vexmo {
namespace {

using namespace vexmo::test;

// Line numbers (from 0) in the file.
constexpr int kLineProfileName = 1;
constexpr int kLineDpiFlag = 21;
constexpr int kLineXy1 = 22;
constexpr int kLineSpeed = 46;
constexpr int kLineKey0Value = 58;
constexpr int kLineMacroKeyIndex0 = 59;
constexpr int kLineActionNum0 = 61;
constexpr int kLineAllAction0 = 62;
constexpr int kLineAllAction5 = 92;

std::vector<std::string> goldenLines() {
    std::vector<std::string> lines;
    std::istringstream in(golden("default_profile0.psf.txt"));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\n";
    return text;
}

ProfileRecord defaultRecord(int slot = 0) {
    ProfileRecord r;
    ResetProfile(r, slot, testLanguage(), 0x3325);
    return r;
}

TEST(ProfileFile, DefaultRecordIsWrittenAsTheNinetyThreeGoldenLines) {
    TempDir tmp;
    ASSERT_TRUE(SaveProfileFile(defaultRecord(), tmp.file("p.psf")));
    EXPECT_EQ(goldenLines().size(), 93u);
    const std::string bytes = readBytes(tmp.file("p.psf"));
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(bytes, markedUtf16(golden("default_profile0.psf.txt")));
}

TEST(ProfileFile, DefaultRecordReadsBackEqual) {
    TempDir tmp;
    const ProfileRecord original = defaultRecord(3);
    ASSERT_TRUE(SaveProfileFile(original, tmp.file("p.psf")));
    ProfileRecord read;
    ASSERT_TRUE(ReadProfileFile(read, tmp.file("p.psf")));
    EXPECT_EQ(read, original);
}

// A record with every stored field away from its default.
ProfileRecord unusualRecord() {
    ProfileRecord r = defaultRecord();
    for (int i = 0; i < kNamedValueCount; ++i)
        r.namedValues[i] = {u"Key" + formatDec(i), u"v=" + formatDec(i * 7) + u"\u00E9"};
    r.namedValues[kGameFile1].value = u"";
    for (int b = 0; b < 6; ++b) {
        ButtonAssignment& button = r.buttons[b];
        button.name = u"Fn \u4E2D " + formatDec(b);
        button.code = {0x90, static_cast<uint8_t>(0x21 + b), 0xFF};
        button.macroKeyIndex = 4000000000u + b;
        button.macro.name = b == 2 ? Text() : u"Macro=" + formatDec(b);
        button.macro.actionNum = b * 40;
        for (size_t i = 0; i < 200; ++i)
            button.macro.actions[i] =
                MacroAction::fromRaw(static_cast<uint32_t>(i * 0x01030507u + b));
    }
    r.pollingRateName = u"500Hz";
    r.pollingRateValue = {2, 0xAB, 0xCD};
    r.lighting1OffOn = 0xFE;
    r.lighting1Name = u"Wave \u6CE2";
    r.lighting1ModeValue = {9, 1, 2};
    for (int m = 0; m < 10; ++m) {
        r.lighting1Speed[m] = static_cast<uint8_t>(m * 3);
        r.lighting1Brightness[m] = static_cast<uint8_t>(255 - m);
        r.lighting1Direction[m] = static_cast<uint8_t>(m & 1);
        for (int s = 0; s < 10; ++s) {
            r.lighting1ColorSelected[m][s] = static_cast<uint8_t>((m + s) % 3);
            r.lighting1FixedColor[m][s] =
                makeColour(static_cast<uint8_t>(m * 25), static_cast<uint8_t>(s * 25), 0xA5);
        }
    }
    r.lighting2OffOn = 1;
    r.lighting2Name = u"";
    r.lighting2ModeValue = {4, 5, 6};
    r.lighting2Speed = 7;
    r.lighting2Brightness = 8;
    r.lighting2FixedColor = 0x00C0FFEE;
    r.dpiOffOnFlag = 0xA5;
    r.xySetting = {0, 1, 0xFF, 0x100, 0x1234, 0xABCD, 0xFFFF, 519};
    r.currentDpiLevel = 7;
    r.dpiLevelIndication = {1, 2, 3, 0x00FFFFFF, 0x00123456, 0x00ABCDEF, 0, 0x00010203};
    r.angleSnap = 1;
    r.liftDetection = 0x10;
    return r;
}

TEST(ProfileFile, EveryStoredFieldRoundTrips) {
    TempDir tmp;
    const ProfileRecord original = unusualRecord();
    ASSERT_TRUE(SaveProfileFile(original, tmp.file("p.psf")));

    ProfileRecord read;
    for (ButtonAssignment& b : read.buttons) {
        b.macro.macroKeyIndex = 55;
        b.macro.loopType = 4;
        b.macro.loopNum = 9;
    }
    ASSERT_TRUE(ReadProfileFile(read, tmp.file("p.psf")));

    // The macro's library key and loop settings are not in the file and stay as they were; the
    // step count is derived from the actions read.
    ProfileRecord expected = original;
    for (ButtonAssignment& b : expected.buttons) {
        b.macro.macroKeyIndex = 55;
        b.macro.loopType = 4;
        b.macro.loopNum = 9;
        b.macro.commandActionNum = b.macro.CountDeviceSteps();
    }
    EXPECT_EQ(read, expected);
}

TEST(ProfileFile, StepCountIsDerivedFromTheActionsRead) {
    TempDir tmp;
    ProfileRecord r = defaultRecord();
    MacroRecord& m = r.buttons[1].macro;
    m.actionNum = 3;
    m.actions[0] = MacroAction::key(0x41, false);
    m.actions[1] = MacroAction::delay(5000);
    m.actions[2] = MacroAction::key(0x41, true);
    m.actions[3] = MacroAction::key(0x42, false);  // past actionNum: not a step
    m.commandActionNum = 0;
    ASSERT_TRUE(SaveProfileFile(r, tmp.file("p.psf")));
    ProfileRecord read;
    ASSERT_TRUE(ReadProfileFile(read, tmp.file("p.psf")));
    EXPECT_EQ(read.buttons[1].macro.commandActionNum, 2);
    EXPECT_EQ(read.buttons[1].macro.actions[3], MacroAction::key(0x42, false));
}

TEST(ProfileFile, ReadingCases) {
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> edit;
        bool ok;
        std::function<void(const ProfileRecord&)> check = nullptr;
    };
    const ProfileRecord reference = defaultRecord();
    auto unchanged = [reference](const ProfileRecord& r) { EXPECT_EQ(r, reference); };
    const Case cases[] = {
        {"untouched", [](auto&) {}, true, unchanged},
        {"empty DPI flag value", [](auto& l) { l[kLineDpiFlag] = "DPIOffOnFlagValue="; }, true,
         [](const ProfileRecord& r) { EXPECT_EQ(r.dpiOffOnFlag, 0); }},
        {"1599 action digits", [](auto& l) { l[kLineAllAction5].pop_back(); }, false},
        {"1601 action digits", [](auto& l) { l[kLineAllAction0] += "0"; }, false},
        {"commas in place of bars",
         [](auto& l) { l[kLineSpeed] = replaceAll(l[kLineSpeed], "|", ","); }, true, unchanged},
        {"misspelt keys",
         [](auto& l) {
             l[kLineDpiFlag] = "DPIOnOffFlag=3F";
             l[kLineXy1] = "xy=000A";
         },
         true, unchanged},
        {"name with equals signs", [](auto& l) { l[kLineProfileName] = "ProfileName=a=b="; }, true,
         [](const ProfileRecord& r) { EXPECT_EQ(r.value(kProfileName), u"a=b="); }},
        {"lines after the last",
         [](auto& l) {
             l.push_back("Extra=1");
             l.push_back("");
         },
         true, unchanged},
        {"last line missing", [](auto& l) { l.pop_back(); }, false},
        {"header in other case", [](auto& l) { l[0] = "[SETTING]"; }, false},
        {"blank line inserted", [](auto& l) { l.insert(l.begin() + 30, ""); }, false},
        {"carriage returns",
         [](auto& l) {
             for (auto& s : l)
                 s += "\r";
         },
         false},
        {"named value without key", [](auto& l) { l[kLineProfileName] = "=x"; }, false},
        {"value line without key", [](auto& l) { l[kLineDpiFlag] = "=3F"; }, false},
        {"value line without equals sign", [](auto& l) { l[kLineXy1] = "\tXYSetting1Value"; },
         false},
        {"macro lines may lack a key",
         [](auto& l) {
             l[kLineMacroKeyIndex0] = "=17";
             l[kLineActionNum0] = "=0";
             l[kLineAllAction0] = "=" + std::string(1600, '0');
         },
         true, [](const ProfileRecord& r) { EXPECT_EQ(r.buttons[0].macroKeyIndex, 17u); }},
        {"macro key index without value",
         [](auto& l) { l[kLineMacroKeyIndex0] = "\tMacroKeyIndex="; }, false},
        {"action count without value", [](auto& l) { l[kLineActionNum0] = "\t\tMacroActionNum="; },
         false},
        {"200 actions", [](auto& l) { l[kLineActionNum0] = "\t\tMacroActionNum=200"; }, true,
         [](const ProfileRecord& r) { EXPECT_EQ(r.buttons[0].macro.actionNum, 200u); }},
        {"more actions than a macro holds",
         [](auto& l) { l[kLineActionNum0] = "\t\tMacroActionNum=201"; }, false},
        {"negative action count", [](auto& l) { l[kLineActionNum0] = "\t\tMacroActionNum=-1"; },
         false},
        {"short and lower-case values",
         [](auto& l) {
             l[kLineXy1] = "\tXYSetting1Value=a";
             l[kLineKey0Value] = "\tKey0Value=9f";
         },
         true,
         [](const ProfileRecord& r) {
             EXPECT_EQ(r.xySetting[0], 0xA);
             EXPECT_EQ(r.buttons[0].code, (ButtonCode{0x9F, 0, 0}));
         }},
        {"digits that are not hexadecimal",
         [](auto& l) { l[kLineDpiFlag] = "DPIOffOnFlagValue=G1"; }, true,
         [](const ProfileRecord& r) { EXPECT_EQ(r.dpiOffOnFlag, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir tmp;
        auto lines = goldenLines();
        c.edit(lines);
        writeBytes(tmp.file("p.psf"), markedUtf16(joined(lines)));
        ProfileRecord r;
        EXPECT_EQ(ReadProfileFile(r, tmp.file("p.psf")), c.ok);
        if (c.check) c.check(r);
    }
    ProfileRecord r;
    EXPECT_FALSE(ReadProfileFile(r, "/nonexistent/p.psf"));
}

class LoadProfileFileTest : public ConfigFixture {
protected:
    void SetUp() override {
        model.settings.ResetToDefaults(model.dataDirectory);
        model.sensorId = 0x3325;
    }
};

TEST_F(LoadProfileFileTest, ImportingADamagedFileResetsTheSlotAndRewritesItsOwnFile) {
    const std::string import = tmp.file("import.psf");
    writeBytes(import, markedUtf16("[Setting]\nProfileName=broken\n"));
    writeBytes(profileFile(2), "old");
    model.profiles[2] = unusualRecord();

    EXPECT_FALSE(LoadProfileFile(model, 2, import));
    EXPECT_EQ(model.profiles[2], defaultRecord(2));
    EXPECT_EQ(readBytes(import), markedUtf16("[Setting]\nProfileName=broken\n"));
    ProfileRecord own;
    ASSERT_TRUE(ReadProfileFile(own, profileFile(2)));
    EXPECT_EQ(own, defaultRecord(2));
}

TEST_F(LoadProfileFileTest, ImportingAGoodFileLeavesTheSlotsFileAlone) {
    const std::string import = tmp.file("import.psf");
    ASSERT_TRUE(SaveProfileFile(unusualRecord(), import));
    writeBytes(profileFile(1), "old");
    EXPECT_TRUE(LoadProfileFile(model, 1, import));
    EXPECT_EQ(model.profiles[1].xySetting[4], 0x1234);
    EXPECT_EQ(readBytes(profileFile(1)), "old");
    EXPECT_FALSE(LoadProfileFile(model, 5, import));  // no such slot
}

TEST(ProfileFile, SavingIntoAMissingFolderFails) {
    TempDir tmp;
    EXPECT_FALSE(SaveProfileFile(defaultRecord(), tmp.file("none/p.psf")));
    EXPECT_FALSE(SaveProfileFile(defaultRecord(), ""));
}

}  // namespace
}  // namespace vexmo
