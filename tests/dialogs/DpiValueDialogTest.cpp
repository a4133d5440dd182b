// The DPI value dialog with the steps of sensor 0x3325 (200 to 10000 DPI in 59 steps): typed
// values snap to a step, arrows and the slider move the step, OK returns it, close returns none.
#include <functional>

#include "DialogFixture.h"
#include "performance/CDPIValueSettingDlg.h"
#include "ui/CStaticText.h"

namespace vexmo::testing {
namespace {

using platform::test::TestEditField;
using platform::test::TestWindow;

class DpiValueDialog : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(steps.Build(0x3325));
        ASSERT_EQ(steps.count(), 59);
    }

    // Runs the dialog from startStep with the scripted action; returns the modal result.
    int Run(int startStep, std::function<void(TestWindow&, CDPIValueSettingDlg&)> action) {
        dialog = std::make_unique<CDPIValueSettingDlg>(language, steps, steps.count(), startStep);
        services.onModal("CDPIValueSettingDlg", [&](TestWindow& w) { action(w, *dialog); });
        return dialog->DoModal(nullptr);
    }

    static Text ValueText(const CDPIValueSettingDlg& d) {
        return static_cast<ui::CStaticText*>(d.FindControl(2013))->label();
    }
    static Text EditText(TestWindow& w) { return w.editField(2017)->text(); }
    static ui::CSliderControl& Slider(const CDPIValueSettingDlg& d) {
        return *static_cast<ui::CSliderControl*>(d.FindControl(2021));
    }

    // Replaces the field's text by typing (a backspace clears the selected text first).
    static void Type(TestWindow& w, const Text& text) {
        w.editField(2017)->selectAll();
        w.typeText(u"\b" + text);
    }

    DpiStepTable steps;
    std::unique_ptr<CDPIValueSettingDlg> dialog;
};

TEST_F(DpiValueDialog, OpensAtTheCurrentStepWithTheFieldFocused) {
    Run(9, [](TestWindow& w, CDPIValueSettingDlg& d) {
        EXPECT_EQ(ValueText(d), u"1100");
        EXPECT_EQ(EditText(w), u"1100");
        EXPECT_EQ(Slider(d).value(), 9);
        TestEditField* edit = w.editField(2017);
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->hasFocus());
        EXPECT_TRUE(edit->centred());
        EXPECT_EQ(edit->geometry(), QRect(165, 35, 100, 22));
        EXPECT_EQ(edit->font().pixelSize(), 13);  // 10 points at 96 dpi
        // The range labels show the lowest and the highest resolution.
        std::vector<Text> labels;
        for (const auto& control : d.Group(0)) {
            if (control->id() == 2012)
                labels.push_back(static_cast<ui::CStaticText*>(control.get())->label());
        }
        EXPECT_EQ(labels, (std::vector<Text>{u"DPI Value", u"200", u"10000"}));
        w.clickDesign(412, 11);
    });
}

TEST_F(DpiValueDialog, EnterSnapsATypedValueToTheFirstStepAtLeastAsHigh) {
    struct Case {
        Text typed;
        int step;
        Text shown;
    };
    const Case cases[] = {
        {u"1050", 9, u"1100"},  {u"1100", 9, u"1100"},    {u"99999", 58, u"10000"},
        {u"abc", 0, u"200"},    {u"", 0, u"200"},         {u"-5", 0, u"200"},
        {u"6100", 51, u"6400"}, {u"10000", 58, u"10000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.typed));
        const int result = Run(20, [&](TestWindow& w, CDPIValueSettingDlg& d) {
            Type(w, c.typed);
            w.pressKey(kVkReturn);
            EXPECT_TRUE(w.visible());  // Enter keeps the dialog open
            EXPECT_EQ(Slider(d).value(), c.step);
            EXPECT_EQ(ValueText(d), c.shown);
            EXPECT_EQ(EditText(w), c.shown);
            w.clickDesign(384, 120);  // OK
        });
        EXPECT_EQ(result, CDPIValueSettingDlg::kOk);
        EXPECT_EQ(dialog->chosenStep(), c.step);
    }
}

TEST_F(DpiValueDialog, OkTakesTheTypedTextWithoutEnter) {
    EXPECT_EQ(Run(0,
                  [](TestWindow& w, CDPIValueSettingDlg&) {
                      Type(w, u"1050");
                      w.clickDesign(384, 120);
                  }),
              CDPIValueSettingDlg::kOk);
    EXPECT_EQ(dialog->chosenStep(), 9);
}

TEST_F(DpiValueDialog, CloseButtonGivesNoResultAndEscapeIsIgnored) {
    EXPECT_EQ(Run(4,
                  [](TestWindow& w, CDPIValueSettingDlg&) {
                      Type(w, u"5000");
                      w.pressKey(kVkEscape);
                      EXPECT_TRUE(w.visible());
                      w.clickDesign(412, 11);
                  }),
              CDPIValueSettingDlg::kCancel);
}

TEST_F(DpiValueDialog, ArrowKeysMoveOneStepWithinTheTable) {
    Run(1, [](TestWindow& w, CDPIValueSettingDlg& d) {
        w.pressKey(kVkLeft);
        EXPECT_EQ(d.chosenStep(), 0);
        w.pressKey(kVkLeft);
        EXPECT_EQ(d.chosenStep(), 0);
        w.pressKey(kVkRight);
        w.pressKey(kVkRight);
        EXPECT_EQ(d.chosenStep(), 2);
        EXPECT_EQ(Slider(d).value(), 2);
        EXPECT_EQ(ValueText(d), u"400");
        EXPECT_EQ(EditText(w), u"400");
        w.clickDesign(412, 11);
    });
    Run(57, [](TestWindow& w, CDPIValueSettingDlg& d) {
        w.pressKey(kVkRight);
        w.pressKey(kVkRight);
        EXPECT_EQ(d.chosenStep(), 58);
        EXPECT_EQ(ValueText(d), u"10000");
        w.clickDesign(384, 120);
    });
    EXPECT_EQ(dialog->chosenStep(), 58);
}

TEST_F(DpiValueDialog, DraggingTheSliderShowsTheStepBeforeTheRelease) {
    Run(0, [](TestWindow& w, CDPIValueSettingDlg& d) {
        ui::CSliderControl& slider = Slider(d);
        const int y = 73;
        const int x9 = slider.stops()[9];
        w.mouseMove(slider.stops()[0], y);
        w.leftDown(slider.stops()[0], y);
        ASSERT_TRUE(slider.dragging());
        w.mouseMove(x9, y);
        EXPECT_EQ(ValueText(d), u"1100");
        EXPECT_EQ(EditText(w), u"1100");
        w.mouseMove(slider.rect().right - 1, y);  // the end of the track: the last step
        EXPECT_EQ(ValueText(d), u"10000");
        w.mouseMove(x9, y);
        w.leftUp(x9, y);
        EXPECT_EQ(d.chosenStep(), 9);
        // A click beside the thumb moves it to the nearest step on release.
        const int x30 = slider.stops()[30];
        w.click(x30, y);
        EXPECT_EQ(d.chosenStep(), 30);
        EXPECT_EQ(EditText(w), u"3200");
        w.clickDesign(384, 120);
    });
    EXPECT_EQ(dialog->chosenStep(), 30);
}

TEST_F(DpiValueDialog, WithoutStepsTheLevelKeepsItsStep) {
    DpiStepTable none;
    CDPIValueSettingDlg d(language, none, 0, 7);
    services.onModal("CDPIValueSettingDlg", [](TestWindow& w) {
        w.typeText(u"800");
        w.pressKey(kVkReturn);
        w.pressKey(kVkRight);
        w.clickDesign(384, 120);
    });
    EXPECT_EQ(d.DoModal(nullptr), CDPIValueSettingDlg::kOk);
    EXPECT_EQ(d.chosenStep(), 7);
}

}  // namespace
}  // namespace vexmo::testing
