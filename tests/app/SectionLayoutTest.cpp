#include <gtest/gtest.h>

#include "app/SectionLayout.h"

namespace vexmo {
namespace {

using S = SectionLayout;

TEST(SectionLayout, OpeningRuleKeepsAtMostTwoOpen) {
    struct Case {
        const char* what;
        bool sensorShown;
        std::array<bool, 4> before;
        S::Section clicked;
        std::array<bool, 4> after;  // A, D, E, C
    };
    const Case cases[] = {
        {"C with A and D open", false, {1, 1, 0, 0}, S::kSystem, {1, 0, 0, 1}},
        {"A with only C open", false, {0, 0, 0, 1}, S::kDpi, {1, 0, 0, 1}},
        {"D with A and C open", false, {1, 0, 0, 1}, S::kPolling, {1, 1, 0, 0}},
        {"E with A and D open", true, {1, 1, 0, 0}, S::kSensor, {1, 0, 1, 0}},
        {"C with D and E open", true, {0, 1, 1, 0}, S::kSystem, {0, 1, 0, 1}},
        {"A with D and E open", true, {0, 1, 1, 0}, S::kDpi, {1, 1, 0, 0}},
    };
    for (const auto& c : cases) {
        S layout;
        layout.setSensorShown(c.sensorShown);
        for (int s = 0; s < 4; ++s)
            layout.setOpen(static_cast<S::Section>(s), c.before[s]);
        layout.HeaderClicked(c.clicked, true);
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(layout.isOpen(static_cast<S::Section>(s)), c.after[s]) << c.what << " " << s;
    }
}

TEST(SectionLayout, ClosingChangesNothingElse) {
    S layout;
    layout.HeaderClicked(S::kDpi, false);
    EXPECT_FALSE(layout.isOpen(S::kDpi));
    EXPECT_TRUE(layout.isOpen(S::kPolling));
}

TEST(SectionLayout, HeaderPositions) {
    S layout;
    EXPECT_EQ(layout.headerTop(S::kDpi), 37);
    EXPECT_EQ(layout.headerTop(S::kPolling), 67 + 196);
    EXPECT_EQ(layout.headerTop(S::kSystem), 473);
    layout.setSensorShown(true);
    EXPECT_EQ(layout.headerTop(S::kSensor), 97 + 196 + 180);
    EXPECT_EQ(layout.headerTop(S::kSystem), 503);  // 30 units lower with the sensor header
    layout.HeaderClicked(S::kDpi, false);
    EXPECT_EQ(layout.headerTop(S::kPolling), 67);
    EXPECT_EQ(layout.headerTop(S::kSystem), 127 + 180);
    layout.HeaderClicked(S::kSensor, true);  // D stays open, A already closed
    EXPECT_EQ(layout.headerTop(S::kSystem), 127 + 180 + 85);
    EXPECT_EQ(layout.contentTop(S::kSensor), 97 + 180 + 25);
}

}  // namespace
}  // namespace vexmo
