#include "macros/MacroRecord.h"

#include <gtest/gtest.h>

namespace vexmo {
namespace {

MacroRecord recordWith(std::initializer_list<MacroAction> actions) {
    MacroRecord record;
    for (const MacroAction& a : actions)
        record.actions[record.actionNum++] = a;
    return record;
}

const MacroAction kA = MacroAction::key(0x41, false);
const MacroAction kB = MacroAction::key(0x42, false);
const MacroAction kC = MacroAction::key(0x43, false);
const MacroAction kX = MacroAction::key(0x58, true);

TEST(MacroRecord, DefaultsAreAnEmptyRepeatOnceMacro) {
    const MacroRecord record;
    EXPECT_EQ(record.macroKeyIndex, 0u);
    EXPECT_EQ(record.actionNum, 0u);
    EXPECT_EQ(record.loopType, 2);
    EXPECT_EQ(record.loopNum, 1);
    EXPECT_EQ(record.commandActionNum, 0);
}

TEST(MacroRecord, SetActionRefusesIndexesPastTheArray) {
    MacroRecord record;
    EXPECT_TRUE(record.SetAction(199, kA));
    EXPECT_EQ(record.actions[199], kA);
    EXPECT_FALSE(record.SetAction(200, kB));
    EXPECT_EQ(record.actionNum, 0u);  // SetAction does not count actions
}

TEST(MacroRecord, InsertActionShiftsLaterActionsUp) {
    MacroRecord record = recordWith({kA, kB});
    ASSERT_TRUE(record.InsertAction(1, kX));
    EXPECT_EQ(record.actionNum, 3u);
    EXPECT_EQ(record.actions[0], kA);
    EXPECT_EQ(record.actions[1], kX);
    EXPECT_EQ(record.actions[2], kB);
}

TEST(MacroRecord, InsertActionPastTheEndAppends) {
    MacroRecord record = recordWith({kA, kB, kC});
    ASSERT_TRUE(record.InsertAction(500, kX));
    EXPECT_EQ(record.actionNum, 4u);
    EXPECT_EQ(record.actions[3], kX);
    EXPECT_EQ(record.actions[2], kC);
}

TEST(MacroRecord, InsertActionFailsOnAFullRecord) {
    MacroRecord record;
    for (size_t i = 0; i < MacroRecord::kMaxActions; ++i)
        ASSERT_TRUE(record.InsertAction(i, kA));
    const MacroRecord before = record;
    EXPECT_FALSE(record.InsertAction(0, kX));
    EXPECT_EQ(record, before);
}

TEST(MacroRecord, InsertAtTheFrontOf199KeepsTheLastUsedAction) {
    MacroRecord record;
    for (size_t i = 0; i < 199; ++i)
        record.InsertAction(i, kA);
    record.actions[198] = kC;
    ASSERT_TRUE(record.InsertAction(0, kX));
    EXPECT_EQ(record.actionNum, 200u);
    EXPECT_EQ(record.actions[0], kX);
    EXPECT_EQ(record.actions[199], kC);
}

TEST(MacroRecord, DeleteActionMovesLaterActionsDownAndClearsTheLastSlot) {
    MacroRecord record = recordWith({kA, kB, kC});
    record.actions[199] = kX;  // stale content past actionNum
    ASSERT_TRUE(record.DeleteAction(0));
    EXPECT_EQ(record.actionNum, 2u);
    EXPECT_EQ(record.actions[0], kB);
    EXPECT_EQ(record.actions[1], kC);
    EXPECT_EQ(record.actions[198], kX);
    EXPECT_EQ(record.actions[199], MacroAction{});
}

TEST(MacroRecord, DeleteActionRefusesUnusedIndexes) {
    MacroRecord record = recordWith({kA, kB});
    EXPECT_FALSE(record.DeleteAction(2));
    EXPECT_FALSE(record.DeleteAction(1000));
    EXPECT_EQ(record.actionNum, 2u);
}

TEST(MacroRecord, CopyMacroContentKeepsTheKeyIndex) {
    MacroRecord from = recordWith({kA, MacroAction::delay(50), kX});
    from.name = u"Copy me";
    from.macroKeyIndex = 9;
    from.loopType = 4;
    from.loopNum = 7;
    from.commandActionNum = 2;
    from.actions[150] = kC;
    MacroRecord to;
    to.macroKeyIndex = 3;
    to.actions[10] = kB;
    to.CopyMacroContent(from);
    MacroRecord expected = from;
    expected.macroKeyIndex = 3;
    EXPECT_EQ(to, expected);
}

TEST(MacroRecord, CountDeviceStepsCountsEverythingButCode3Delays) {
    MacroRecord record = recordWith(
        {MacroAction::delay(10), kA, MacroAction::delay(5000), kX, MacroAction{0x04, 0, 0, 1}});
    record.actions[10] = kB;                  // past actionNum
    EXPECT_EQ(record.CountDeviceSteps(), 3);  // code 4 shows as a delay but is a step
}

TEST(MacroRecord, CountDeviceStepsStopsAtTheMouseLimit) {
    MacroRecord record;
    for (size_t i = 0; i < 120; ++i)
        record.InsertAction(i, kA);
    EXPECT_EQ(record.CountDeviceSteps(), MacroRecord::kMaxDeviceSteps);
}

}  // namespace
}  // namespace vexmo
