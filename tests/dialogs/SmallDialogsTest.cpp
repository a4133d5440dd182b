// The attention dialog (modal and modeless), the progress window and the factory reset
// confirmation: their results, their timing and their sizes.
#include <functional>
#include <memory>

#include "DialogFixture.h"
#include "app/CAttentionDlg.h"
#include "app/CFirmwareResetDlg.h"
#include "app/CProgressBarDlg.h"
#include "performance/CColorPaletteDlg.h"
#include "performance/CDPIValueSettingDlg.h"
#include "ui/CStaticText.h"
#include "ui/SkinImage.h"

namespace vexmo::testing {
namespace {

using platform::test::TestWindow;
using Action = std::function<void(TestWindow&)>;

struct ModalCase {
    const char* name;
    Action action;
    int result;
};

class SmallDialogs : public DialogTest {};

TEST_F(SmallDialogs, AttentionEndsWithOkOnlyForOkOrEnter) {
    const ModalCase cases[] = {
        {"OK button", [](TestWindow& w) { w.clickDesign(270, 80); }, CAttentionDlg::kOk},
        {"Enter", [](TestWindow& w) { w.pressKey(kVkReturn); }, CAttentionDlg::kOk},
        {"close button", [](TestWindow& w) { w.clickDesign(307, 11); }, CAttentionDlg::kCancel},
        {"Escape", [](TestWindow& w) { w.pressKey(kVkEscape); }, CAttentionDlg::kCancel},
        {"window manager", [](TestWindow& w) { w.close(); }, CAttentionDlg::kCancel},
    };
    for (const ModalCase& c : cases) {
        SCOPED_TRACE(c.name);
        services.onModal("CAttentionDlg", c.action);
        CAttentionDlg dialog(language, u"Attention", u"Keep one left click.", nullptr);
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_FALSE(dialog.exists());
    }
}

TEST_F(SmallDialogs, AttentionShowsCaptionMessageAndOkText) {
    services.onModal("CAttentionDlg", [](TestWindow& w) { w.close(); });
    CAttentionDlg dialog(language, u"Attention", u"No mouse", nullptr);
    dialog.DoModal();
    EXPECT_EQ(static_cast<ui::CStaticText*>(dialog.FindControl(2012))->label(), u"Attention");
    EXPECT_EQ(static_cast<ui::CStaticText*>(dialog.FindControl(2013))->label(), u"No mouse");
    EXPECT_EQ(dialog.FindControl(2010)->text(), u"OK");
    EXPECT_EQ(dialog.FindControl(2010)->rect(), (Rect{240, 70, 309, 90}));
}

TEST_F(SmallDialogs, ModelessAttentionStaysOnTopAndGoesAwayOnOk) {
    auto dialog = std::make_unique<CAttentionDlg>(language, u"Attention", u"No mouse", nullptr);
    ASSERT_TRUE(dialog->ShowModeless());
    TestWindow& w = host(*dialog);
    EXPECT_TRUE(w.visible());
    EXPECT_TRUE(w.topMost());
    EXPECT_FALSE(w.modalRunning());
    EXPECT_TRUE(dialog->IsOpen());

    w.clickDesign(270, 80);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(dialog->result(), CAttentionDlg::kOk);
    services.processPosted();
    EXPECT_FALSE(dialog->exists());        // its window is gone once the click was handled
    EXPECT_FALSE(dialog->ShowModeless());  // a closed warning does not come back
    dialog.reset();
}

TEST_F(SmallDialogs, ModelessAttentionMayBeDeletedRightAfterClosing) {
    auto dialog = std::make_unique<CAttentionDlg>(language, u"A", u"B", nullptr);
    ASSERT_TRUE(dialog->ShowModeless());
    host(*dialog).clickDesign(307, 11);  // close button
    EXPECT_EQ(dialog->result(), CAttentionDlg::kCancel);
    dialog.reset();  // before its own release message is handled
    services.advance(100);
    EXPECT_TRUE(services.windows().empty());
}

TEST_F(SmallDialogs, ProgressBarFillsInHalfASecondThenClosesWithOk) {
    CProgressBarDlg dialog(u"", u"Updating mouse...");
    ASSERT_TRUE(dialog.Create(nullptr));
    TestWindow& w = host(dialog);
    const ui::SkinImage empty = ui::LoadSkinBitmap("skins/Frame_progress_nr.bmp");
    const ui::SkinImage full = ui::LoadSkinBitmap("skins/Frame_progress_ov.bmp");
    ASSERT_TRUE(empty.ok() && full.ok());
    const int y = 72;
    ASSERT_NE(empty.pixels().pixel(100, y), full.pixels().pixel(100, y));

    EXPECT_EQ(w.pixel(100, y), empty.pixels().pixel(100, y));
    services.advance(250);  // 25 steps of 2 %: the bar reaches x = 50 % of 429 = 214
    EXPECT_EQ(dialog.percent(), 50);
    EXPECT_EQ(w.pixel(100, y), full.pixels().pixel(100, y));
    EXPECT_EQ(w.pixel(213, y), full.pixels().pixel(213, y));
    EXPECT_EQ(w.pixel(300, y), empty.pixels().pixel(300, y));

    services.advance(250);
    EXPECT_EQ(dialog.percent(), 100);
    EXPECT_EQ(w.pixel(400, y), full.pixels().pixel(400, y));
    services.advance(19);
    EXPECT_TRUE(w.visible());
    services.advance(1);  // 20 ms after the bar was full
    EXPECT_FALSE(w.visible());
}

TEST_F(SmallDialogs, ProgressBarModalRunTakesHalfASecondOfVirtualTime) {
    CProgressBarDlg dialog(u"", u"Updating mouse...");
    const int64_t start = services.nowMs();
    EXPECT_EQ(dialog.DoModal(nullptr), CProgressBarDlg::kOk);
    EXPECT_EQ(services.nowMs() - start, 520);
    EXPECT_EQ(dialog.percent(), 100);
}

TEST_F(SmallDialogs, ProgressBarIgnoresKeysAndCloseRequests) {
    services.onModal("CProgressBarDlg", [](TestWindow& w) {
        w.pressKey(kVkEscape);
        w.pressKey(kVkReturn);
        w.close();
    });
    CProgressBarDlg dialog(u"", u"Updating mouse...");
    EXPECT_EQ(dialog.DoModal(nullptr), CProgressBarDlg::kOk);
    EXPECT_EQ(dialog.percent(), 100);
}

TEST_F(SmallDialogs, FirmwareResetConfirmsOnlyWithOkOrEnter) {
    const ModalCase cases[] = {
        {"OK button", [](TestWindow& w) { w.clickDesign(290, 120); }, true},
        {"Enter", [](TestWindow& w) { w.pressKey(kVkReturn); }, true},
        {"Cancel button", [](TestWindow& w) { w.clickDesign(380, 120); }, false},
        {"close button", [](TestWindow& w) { w.clickDesign(412, 11); }, false},
        {"Escape, then close",
         [](TestWindow& w) {
             w.pressKey(kVkEscape);
             EXPECT_TRUE(w.visible());  // Escape does not end it
             w.clickDesign(412, 11);
         },
         false},
    };
    for (const ModalCase& c : cases) {
        SCOPED_TRACE(c.name);
        services.onModal("CFirmwareResetDlg", c.action);
        CFirmwareResetDlg dialog(language);
        EXPECT_EQ(dialog.Confirm(nullptr), c.result != 0);
    }
}

TEST_F(SmallDialogs, FirmwareResetShowsTheQuestionAndBothButtons) {
    services.onModal("CFirmwareResetDlg", [](TestWindow& w) { w.close(); });
    CFirmwareResetDlg dialog(language);
    EXPECT_FALSE(dialog.Confirm(nullptr));
    EXPECT_EQ(static_cast<ui::CStaticText*>(dialog.FindControl(3001))->label(),
              u"Restore the factory settings?");
    EXPECT_EQ(dialog.FindControl(2010)->text(), u"OK");
    EXPECT_EQ(dialog.FindControl(2011)->text(), u"Cancel");
}

// Every dialog is its design size times UiScale, truncated.
TEST_F(SmallDialogs, SizesFollowTheLayoutScale) {
    SetScale(1.5);
    ProfileRecord profile;
    DpiStepTable steps;
    ASSERT_TRUE(steps.Build(0x3325));
    struct SizeCase {
        std::unique_ptr<ui::CDlgBase> dialog;
        QSize size;
    };
    SizeCase cases[] = {
        {std::make_unique<CAttentionDlg>(language, u"", u"", nullptr), {478, 153}},
        {std::make_unique<CProgressBarDlg>(u"", u""), {643, 210}},
        {std::make_unique<CFirmwareResetDlg>(language), {643, 210}},
        {std::make_unique<CDPIValueSettingDlg>(language, steps, steps.count(), 0), {643, 210}},
        {std::make_unique<CColorPaletteDlg>(language, profile, 0), {750, 436}},
    };
    for (SizeCase& c : cases) {
        SCOPED_TRACE(c.dialog->name());
        ASSERT_TRUE(c.dialog->Create(nullptr));
        EXPECT_EQ(c.dialog->geometry().size(), c.size);
    }
}

}  // namespace
}  // namespace vexmo::testing
