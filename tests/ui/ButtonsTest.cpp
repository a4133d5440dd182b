// The button classes: combo button hover notices and menu look, check buttons, the shared radio
// and DPI level masks, and the sleep-time selector's triangles.
#include <memory>

#include "UiFixture.h"
#include "ui/CCheckButton.h"
#include "ui/CComboButton.h"
#include "ui/CDPIRadioButton.h"
#include "ui/CImageButton.h"
#include "ui/CPowerManageButton.h"
#include "ui/CRadioButton.h"

namespace vexmo::ui::testing {
namespace {

class Buttons : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        MakeImage("skins/combo2_nr.png", 162, 21, Qt::darkGray);
        MakeImage("skins/combo2_ov.png", 162, 21, Qt::red);
    }
    CComboButton* OpenCombo() {
        CComboButton* combo = nullptr;
        Open(300, 100, [&](RecordingDialog& d, const Rect&) {
            combo = d.AddControl(
                0, std::make_unique<CComboButton>(&d, 1028, 2013, Rect{82, 10, 244, 31}, u"", 0,
                                                  true, true, false, 0, u"Left Click"));
            combo->ResetHover();
            combo->LoadNormalImage("skins/combo2_nr.png");
            combo->LoadHoverImage("skins/combo2_ov.png");
        });
        return combo;
    }
};

TEST_F(Buttons, ComboSendsFiveHoverNoticesAndShiftsItsCaptionFourPixels) {
    CComboButton* combo = OpenCombo();
    for (int i = 0; i < 6; ++i)
        host().mouseMove(100 + i, 20);
    const Sent enter{1028, 2013, kHoverEnter};
    EXPECT_EQ(TakeSent(), std::vector<Sent>(5, enter));
    EXPECT_EQ(combo->hoverCount(), 4);
    EXPECT_EQ(combo->TextRect().left(), 82 + 4);
    host().mouseMove(10, 80);
    host().mouseMove(11, 80);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{1028, 2013, kHoverLeave}}));
    EXPECT_EQ(combo->hoverCount(), 0);
}

TEST_F(Buttons, ComboClickGoesToItsNotifyMessageAndInertSendsNothing) {
    CComboButton* combo = OpenCombo();
    host().click(100, 20);
    std::vector<Sent> sent = TakeSent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2], (Sent{2013, 0, kPressed}));
    EXPECT_EQ(sent.back(), (Sent{1028, 2013, kClicked}));
    combo->SetInert(true);
    host().leftDown(101, 20);
    host().leftUp(101, 20);
    EXPECT_TRUE(TakeSent().empty());
}

TEST_F(Buttons, AnOpenMenuKeepsTheHoverLookAndHoldsBackTheLeaveNotice) {
    CComboButton* combo = OpenCombo();
    host().mouseMove(100, 20);
    combo->SetMenuOpen(true);
    host().mouseMove(10, 80);
    TakeSent();
    host().mouseMove(11, 80);
    EXPECT_TRUE(TakeSent().empty());
    dialog.invalidate();
    EXPECT_EQ(host().pixel(90, 15), QColor(Qt::red).rgb());  // still the "_ov" image
    combo->SetMenuOpen(false);
    host().mouseMove(12, 80);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{1028, 2013, kHoverLeave}}));
    dialog.invalidate();
    EXPECT_EQ(host().pixel(90, 15), QColor(Qt::darkGray).rgb());
}

TEST_F(Buttons, ACheckButtonHasToggledBeforeItsOwnerHearsTheClick) {
    CCheckButton* check = nullptr;
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        check = d.AddControl(0, std::make_unique<CCheckButton>(&d, 3501, Rect{50, 10, 65, 25}, u"",
                                                               true, true, false));
    });
    std::vector<bool> seen;
    dialog.handler = [&](const platform::Message& m) {
        if (m.lparam == kClicked) seen.push_back(check->ticked());
    };
    host().click(55, 15);
    host().click(55, 15);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_EQ(check->DrawnSlice(), 1);
    check->SetTicked(true);
    EXPECT_EQ(check->DrawnSlice(), 2);
}

TEST_F(Buttons, ARadioClickSetsItsBitAndClearsOnlyItsGroup) {
    ASSERT_EQ(Env().masks.radio, 0x280282u);
    CRadioButton* radio = nullptr;
    CRadioButton* stranger = nullptr;
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        radio = d.AddControl(0, std::make_unique<CRadioButton>(&d, 2081, Rect{0, 0, 20, 20}, u"",
                                                               true, true, false));
        stranger = d.AddControl(0, std::make_unique<CRadioButton>(&d, 4000, Rect{30, 0, 50, 20},
                                                                  u"", true, true, false));
    });
    host().click(10, 10);
    EXPECT_EQ(Env().masks.radio, 0x280284u);
    EXPECT_TRUE(radio->Selected());
    host().click(40, 10);  // an identifier without a bit
    EXPECT_EQ(Env().masks.radio, 0x280284u);
    EXPECT_FALSE(stranger->Selected());
    EXPECT_EQ(TakeSent().back(), (Sent{4000, 0, kClicked}));
}

TEST(RadioGroups, EveryIdentifierHasItsBitInsideItsGroup) {
    struct Case {
        int id;
        uint32_t bit;
        uint32_t group;
    };
    const Case cases[] = {
        {2006, 0x1, 0x7F},          {2085, 0x40, 0x7F},         {2009, 0x80, 0x180},
        {2010, 0x100, 0x180},       {3501, 0x200, 0x600},       {3502, 0x400, 0x600},
        {3240, 0x800, 0x1800},      {3250, 0x1000, 0x1800},     {2031, 0x2000, 0xE000},
        {2033, 0x8000, 0xE000},     {3030, 0x10000, 0xF0000},   {3033, 0x80000, 0xF0000},
        {3510, 0x100000, 0x300000}, {3511, 0x200000, 0x300000}, {2007, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CRadioButton::BitOf(c.id), c.bit) << c.id;
        EXPECT_EQ(CRadioButton::GroupOf(c.id), c.group) << c.id;
    }
}

TEST_F(Buttons, ADpiLevelSelectorSelectsEveryLevelUpToItsOwn) {
    std::vector<CDPIRadioButton*> selectors;
    Open(400, 100, [&](RecordingDialog& d, const Rect&) {
        for (int n = 0; n < 8; ++n) {
            selectors.push_back(d.AddControl(
                0, std::make_unique<CDPIRadioButton>(&d, 3290 + n, Rect{n * 40, 0, n * 40 + 26, 11},
                                                     u"", true, true, false)));
        }
    });
    for (int n = 0; n < 8; ++n) {
        host().click(n * 40 + 5, 5);
        EXPECT_EQ(Env().masks.dpiLevel, (1u << (n + 1)) - 1) << n;
    }
    host().click(2 * 40 + 5, 5);
    EXPECT_EQ(Env().masks.dpiLevel, 7u);
    EXPECT_TRUE(selectors[2]->Selected());
    EXPECT_FALSE(selectors[3]->Selected());
    EXPECT_EQ(host().dirty(), QRegion(0, 0, 400, 100));  // every selector shows the new mask
}

TEST_F(Buttons, ImageButton3502ReportsEveryMovementOverIt) {
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        d.AddControl(0, std::make_unique<CImageButton>(&d, 3502, Rect{0, 0, 69, 20}, u"", true,
                                                       true, false));
    });
    host().mouseMove(5, 5);
    host().mouseMove(6, 5);
    host().mouseMove(100, 50);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{3502, 0, kHoverMove}, {3502, 0, kHoverMove}}));
}

class SleepSelector : public Buttons, public ::testing::WithParamInterface<double> {};

TEST_P(SleepSelector, ReleaseInATriangleChoosesItsMinutesAndBetweenThemNothing) {
    SetScale(GetParam());
    const double s = GetParam();
    CPowerManageButton* power = nullptr;
    const Rect rect = Rect::fromDesign(81, 550, 140, 84, s);
    Open(static_cast<int>(400 * s), static_cast<int>(700 * s),
         [&](RecordingDialog& d, const Rect&) {
             power = d.AddControl(
                 0, std::make_unique<CPowerManageButton>(&d, rect, u"", true, true, false));
         });
    const auto at = [&](double x, double y) {
        return QPoint(static_cast<int>(81 * s + x * s), static_cast<int>(550 * s + y * s));
    };
    // Near the apex side of each triangle's base: triangle k holds value k + 1.
    const std::pair<QPointF, int> cases[] = {{{20, 66}, 3},  {{25, 50}, 4},  {{40, 35}, 5},
                                             {{60, 20}, 6},  {{80, 20}, 7},  {{100, 30}, 8},
                                             {{115, 48}, 9}, {{120, 66}, 10}};
    for (const auto& [point, minutes] : cases) {
        const QPoint p = at(point.x(), point.y());
        host().click(p.x(), p.y());
        EXPECT_EQ(power->value(), minutes) << point.x() << "," << point.y();
        EXPECT_EQ(TakeSent().back(), (Sent{3500, 0, kClicked}));
    }
    // Below the apex and in a corner: inside the rectangle, in no triangle.
    for (const QPoint p : {at(70, 80), at(1, 1), at(139, 5)}) {
        host().click(p.x(), p.y());
        EXPECT_EQ(power->value(), 10);
        EXPECT_EQ(TakeSent(), (std::vector<Sent>{{3500, 0, kPressed}}));
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, SleepSelector, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
}  // namespace vexmo::ui::testing
