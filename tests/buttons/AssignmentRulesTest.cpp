#include "buttons/AssignmentRules.h"

#include <gtest/gtest.h>

#include "app/LanguageTable.h"
#include "buttons/ButtonCatalogue.h"

namespace vexmo {
namespace {

class AssignmentRules : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 0; n < LanguageTable::kSize; ++n)
            language.set(n, u"t" + formatDec(n));
        ResetProfile(profile, 0, language, 0x3325);
    }

    // What the assignment paths do: store, then apply the left-click rule.
    LeftClickOutcome assign(int slot, const ButtonFunction& function,
                            const MacroRecord* macro = nullptr) {
        EXPECT_TRUE(StoreAssignment(profile, slot, function.name, function.code, macro));
        return EnsureLeftClick(profile, slot, language);
    }

    const ButtonFunction kDisabled{u"off", {0x00, 0x00, 0x00}};
    static constexpr ButtonCode kLeft{0x10, 0x01, 0x00};

    LanguageTable language;
    ProfileRecord profile;
};

TEST_F(AssignmentRules, SlotControlsMapToButtons) {
    for (int n = 0; n < ProfileRecord::kButtons; ++n) {
        ASSERT_TRUE(
            StoreAssignment(profile, 2013 + n, u"b" + formatDec(n), {0x40, 0x02, 0x00}, nullptr));
        EXPECT_EQ(profile.buttons[n].name, u"b" + formatDec(n));
        EXPECT_EQ(profile.buttons[n].code, (ButtonCode{0x40, 0x02, 0x00}));
    }
    const ProfileRecord before = profile;
    EXPECT_FALSE(StoreAssignment(profile, 2012, u"x", kLeft, nullptr));
    EXPECT_FALSE(StoreAssignment(profile, 2019, u"x", kLeft, nullptr));
    EXPECT_EQ(profile, before);
}

TEST_F(AssignmentRules, AMacroSourceIsCopiedWithItsKeyIndex) {
    MacroRecord macro;
    macro.name = u"M";
    macro.macroKeyIndex = 12;
    macro.loopType = 4;
    macro.InsertAction(0, MacroAction::key(0x41, false));
    macro.InsertAction(1, MacroAction::key(0x41, true));
    macro.commandActionNum = 2;
    const ButtonFunction function = MacroFunction(language, macro.name);
    EXPECT_EQ(assign(2014, function, &macro), LeftClickOutcome::UploadButtons);
    const ButtonAssignment& button = profile.buttons[1];
    EXPECT_EQ(button.name, u"t190M");
    EXPECT_EQ(button.code, (ButtonCode{0x90, 0x00, 0x00}));
    EXPECT_EQ(button.macroKeyIndex, 12u);
    EXPECT_EQ(button.macro, macro);

    // Replaced by a mouse button: the old key index stays, the copy loses its actions.
    EXPECT_EQ(assign(2014, {u"t21", {0x10, 0x02, 0x00}}), LeftClickOutcome::UploadButtons);
    EXPECT_EQ(button.macroKeyIndex, 12u);
    EXPECT_EQ(button.macro.actionNum, 0u);
}

TEST_F(AssignmentRules, TheOnlyLeftClickCannotBeReplaced) {
    EXPECT_EQ(assign(2013, kDisabled), LeftClickOutcome::LeftClickRestored);
    EXPECT_EQ(profile.buttons[0].name, u"t20");
    EXPECT_EQ(profile.buttons[0].code, kLeft);
}

TEST_F(AssignmentRules, ASecondLeftClickLetsEitherButtonChangeButNotBoth) {
    EXPECT_EQ(assign(2015, {u"t20", {0x10, 0x01, 0x7F}}), LeftClickOutcome::UploadButtons);
    EXPECT_EQ(assign(2013, kDisabled), LeftClickOutcome::UploadButtons);  // byte 2 is not looked at
    EXPECT_EQ(profile.buttons[0].code, kDisabled.code);
    EXPECT_EQ(assign(2015, kDisabled), LeftClickOutcome::LeftClickRestored);
    EXPECT_EQ(profile.buttons[2].name, u"t20");
    EXPECT_EQ(profile.buttons[2].code, kLeft);
    EXPECT_EQ(profile.buttons[0].code, kDisabled.code);
}

TEST_F(AssignmentRules, OtherMouseButtonsDoNotCountAsLeftClick) {
    for (int n = 1; n < ProfileRecord::kButtons; ++n) {
        StoreAssignment(profile, 2013 + n, u"left-ish", {0x10, 0x03, 0x00}, nullptr);
    }
    EXPECT_EQ(assign(2013, {u"right", {0x10, 0x02, 0x00}}), LeftClickOutcome::LeftClickRestored);
    EXPECT_EQ(profile.buttons[0].code, kLeft);
}

}  // namespace
}  // namespace vexmo
