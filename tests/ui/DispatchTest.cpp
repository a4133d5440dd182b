// Mouse dispatch of the skinned dialog and the common control rules: eligibility, hot and
// pressed controls, overlapping controls, repaint areas, dragging by an empty point, painting.
#include <memory>

#include "UiFixture.h"
#include "ui/CImageButton.h"
#include "ui/CStaticText.h"

namespace vexmo::ui::testing {
namespace {

constexpr intptr_t kPressedEvent = kPressed;
constexpr intptr_t kClickedEvent = kClicked;

class Dispatch : public UiTest {
protected:
    CImageButton* AddButton(RecordingDialog& d, int group, int id, Rect r, bool visible = true,
                            bool shown = true, bool disabled = false) {
        auto* b = d.AddControl(
            group, std::make_unique<CImageButton>(&d, id, r, u"", visible, shown, disabled));
        b->LoadImages("skins/b_nr.png", "skins/b_ov.png");
        return b;
    }
    void SetUp() override {
        UiTest::SetUp();
        MakeImage("skins/b_nr.png", 10, 10, Qt::darkGray);
        MakeImage("skins/b_ov.png", 10, 10, Qt::white);
    }
};

TEST_F(Dispatch, AClickSendsPressedThenClickedWithTheIdentifier) {
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        AddButton(d, 0, 2010, {10, 10, 50, 30});
    });
    host().click(20, 20);
    const std::vector<Sent> expected = {{2010, 0, kPressedEvent}, {2010, 2010, kClickedEvent}};
    EXPECT_EQ(TakeSent(), expected);
}

TEST_F(Dispatch, HiddenAndDisabledControlsGetNothing) {
    CImageButton* notShown = nullptr;
    Open(300, 100, [&](RecordingDialog& d, const Rect&) {
        AddButton(d, 0, 1, {0, 0, 50, 50}, /*visible=*/false);
        notShown = AddButton(d, 0, 2, {60, 0, 110, 50}, true, /*shown=*/false);
        AddButton(d, 0, 3, {120, 0, 170, 50}, true, true, /*disabled=*/true);
    });
    for (int x : {10, 70, 130})
        host().click(x, 10);
    EXPECT_TRUE(TakeSent().empty());
    EXPECT_EQ(host().systemMoves(), 2);  // hidden controls leave an empty point behind
    EXPECT_EQ(dialog.FindControl(3)->state(), kStateNormal);
    // Not drawn either: the hover image of control 2 never reaches the buffer.
    host().mouseMove(70, 10);
    EXPECT_NE(host().pixel(70, 10), QColor(Qt::white).rgb());
    notShown->SetShown(true);
    host().mouseMove(71, 10);  // shown now: it takes part again
    dialog.invalidate(notShown->qrect());
    EXPECT_EQ(host().pixel(70, 10), QColor(Qt::white).rgb());
}

TEST_F(Dispatch, PressMoveOutAndReleaseOutsideSendsPressedButNoClick) {
    Open(200, 100, [&](RecordingDialog& d, const Rect&) { AddButton(d, 0, 7, {10, 10, 50, 30}); });
    host().mouseMove(20, 20);
    host().leftDown(20, 20);
    EXPECT_TRUE(host().captured());
    host().mouseMove(150, 80);  // held on a control: nothing else happens
    host().leftUp(150, 80);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{7, 0, kPressedEvent}}));
    EXPECT_FALSE(host().captured());
    EXPECT_EQ(dialog.FindControl(7)->state(), kStateNormal);
    EXPECT_EQ(dialog.lastPoint(), QPoint(-1, -1));
}

TEST_F(Dispatch, TheLaterOfTwoOverlappingControlsWins) {
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        AddButton(d, 1, 20, {0, 0, 100, 100});
        AddButton(d, 0, 10, {0, 0, 100, 100});  // group 0 comes first, whatever the insertion
        AddButton(d, 1, 21, {50, 0, 150, 100});
    });
    host().click(60, 10);
    EXPECT_EQ(dialog.hotControl()->id(), 21);
    host().click(10, 10);
    const std::vector<Sent> expected = {{21, 0, kPressedEvent},
                                        {21, 21, kClickedEvent},
                                        {20, 0, kPressedEvent},
                                        {20, 20, kClickedEvent}};
    EXPECT_EQ(TakeSent(), expected);
}

TEST_F(Dispatch, ReleasingSomeControlsRepaintsTheWholeWindow) {
    struct Case {
        int id;
        bool whole;
    };
    const Case cases[] = {{2040, true},  {2049, true},  {2053, true},  {3001, true},
                          {3004, true},  {3007, true},  {3009, true},  {3500, false},
                          {2048, false}, {2054, false}, {3005, false}, {3010, false}};
    for (const Case& c : cases)
        EXPECT_EQ(CDlgBase::RepaintsWholeWindow(c.id), c.whole) << c.id;

    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        AddButton(d, 0, 3001, {10, 10, 50, 30});
        AddButton(d, 0, 3500, {60, 10, 100, 30});
    });
    host().mouseMove(20, 20);
    host().leftDown(20, 20);
    host().flushPaint();
    host().leftUp(20, 20);
    EXPECT_EQ(host().dirty(), QRegion(0, 0, 200, 100));
    host().mouseMove(70, 20);
    host().leftDown(70, 20);
    host().flushPaint();
    host().leftUp(70, 20);
    EXPECT_EQ(host().dirty(), QRegion(60, 10, 40, 20));
}

TEST_F(Dispatch, PressingAnEmptyPointDragsTheWindow) {
    Open(200, 100, [&](RecordingDialog& d, const Rect&) { AddButton(d, 0, 1, {10, 10, 50, 30}); });
    host().click(20, 20);
    EXPECT_EQ(host().systemMoves(), 0);
    host().mouseMove(150, 80);
    host().leftDown(150, 80);
    EXPECT_EQ(host().systemMoves(), 1);
    EXPECT_FALSE(host().captured());
}

TEST_F(Dispatch, HoverPaintsTheHoverImageAndLeavingRestoresIt) {
    Open(200, 100, [&](RecordingDialog& d, const Rect&) { AddButton(d, 0, 1, {10, 10, 50, 30}); });
    const QRgb grey = QColor(Qt::darkGray).rgb();
    EXPECT_EQ(host().pixel(12, 12), grey);
    host().mouseMove(20, 20);
    EXPECT_TRUE(dialog.trackingRequested());
    EXPECT_EQ(host().pixel(12, 12), QColor(Qt::white).rgb());
    host().mouseMove(300, 20);  // leaves the window
    EXPECT_FALSE(dialog.trackingRequested());
    EXPECT_EQ(dialog.hotControl(), nullptr);
    EXPECT_EQ(host().pixel(12, 12), grey);
}

TEST_F(Dispatch, APressedControlKeepsItsLookWhenThePointerLeavesTheWindow) {
    Open(200, 100, [&](RecordingDialog& d, const Rect&) { AddButton(d, 0, 1, {10, 10, 50, 30}); });
    host().mouseMove(20, 20);
    host().leftDown(20, 20);
    dialog.setCapture(false);  // as if the capture was lost
    host().mouseMove(300, 20);
    EXPECT_EQ(dialog.FindControl(1)->state(), kStatePressed);
    EXPECT_EQ(dialog.hotControl()->id(), 1);
}

TEST_F(Dispatch, SetTextRepaintsOnlyWhenTheTextChanges) {
    CImageButton* button = nullptr;
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        button = AddButton(d, 0, 1, {10, 10, 50, 30});
    });
    button->SetText(u"");
    EXPECT_TRUE(host().dirty().isEmpty());
    button->SetText(u"OK");
    EXPECT_EQ(host().dirty(), QRegion(10, 10, 40, 20));
}

TEST_F(Dispatch, RightClickGoesToTheHotControlOnlyOverGroupZero) {
    struct RightCounter : CImageButton {
        using CImageButton::CImageButton;
        bool OnRButtonUp(unsigned, int, int) override {
            ++count;
            return false;
        }
        int count = 0;
    };
    RightCounter* low = nullptr;
    RightCounter* high = nullptr;
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        low = d.AddControl(
            0, std::make_unique<RightCounter>(&d, 1, Rect{0, 0, 50, 50}, u"", true, true, false));
        high = d.AddControl(2, std::make_unique<RightCounter>(&d, 2, Rect{100, 0, 150, 50}, u"",
                                                              true, true, false));
    });
    host().rightClick(10, 10);
    host().rightClick(110, 10);
    EXPECT_EQ(low->count, 1);
    EXPECT_EQ(high->count, 0);
}

TEST_F(Dispatch, ClosingThroughAButtonEndsTheModalRunWithItsResult) {
    struct ClosingDialog : RecordingDialog {
        intptr_t onMessage(const platform::Message& m) override {
            if (m.id == 2004 && m.lparam == kClicked) CloseDialog(2);
            if (m.id == 2010 && m.lparam == kClicked) CloseDialog(1);
            return 0;
        }
    };
    ClosingDialog modal;
    modal.setName("CloseDialog");
    modal.create = [&](RecordingDialog& d, const Rect&) {
        AddButton(d, 0, 2004, {300, 4, 315, 19});
        AddButton(d, 0, 2010, {240, 70, 309, 90});
    };
    modal.SetSize(319, 102);
    services.onModal("CloseDialog", [](platform::test::TestWindow& w) { w.clickDesign(250, 80); });
    EXPECT_EQ(modal.DoModal(nullptr), 1);
    EXPECT_FALSE(modal.exists());
}

}  // namespace
}  // namespace vexmo::ui::testing
