// The colour palette: a press on the colours takes the painted colour, the frame gives nothing,
// OK and Enter store the colour into the level, close and Escape store nothing.
#include <functional>

#include "DialogFixture.h"
#include "performance/CColorPaletteDlg.h"
#include "ui/CStaticText.h"

namespace vexmo::testing {
namespace {

using platform::test::TestWindow;

constexpr Colour kStart = 0x123456;

class ColorPalette : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        profile.dpiLevelIndication.fill(0x010101);
        profile.dpiLevelIndication[3] = kStart;
    }

    int Run(int level, std::function<void(TestWindow&, CColorPaletteDlg&)> action) {
        dialog = std::make_unique<CColorPaletteDlg>(language, profile, level);
        services.onModal("CColorPaletteDlg", [&](TestWindow& w) { action(w, *dialog); });
        return dialog->DoModal(nullptr);
    }

    // The colour the window shows at a point, as a profile colour.
    static Colour Shown(TestWindow& w, int x, int y) {
        const QRgb p = w.pixel(x, y);
        return makeColour(qRed(p), qGreen(p), qBlue(p));
    }
    static std::vector<Text> Values(const CColorPaletteDlg& d) {
        std::vector<Text> texts;
        for (int id : {2011, 2012, 2013})
            texts.push_back(static_cast<ui::CStaticText*>(d.FindControl(id))->label());
        return texts;
    }
    static std::vector<Text> ValuesOf(Colour c) {
        return {formatDec(redOf(c)), formatDec(greenOf(c)), formatDec(blueOf(c))};
    }

    ProfileRecord profile;
    std::unique_ptr<CColorPaletteDlg> dialog;
};

TEST_F(ColorPalette, APressOnTheColoursTakesThePaintedColourAndOkStoresIt) {
    for (double scale : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(scale);
        SetScale(scale);
        profile.dpiLevelIndication[3] = kStart;
        Colour picked = 0;
        const int result = Run(3, [&](TestWindow& w, CColorPaletteDlg& d) {
            EXPECT_EQ(Values(d), ValuesOf(kStart));
            const int px = ui::Scaled(270);  // preview square
            const int py = ui::Scaled(240);
            EXPECT_EQ(Shown(w, px, py), kStart);
            // Left area, then the right area: the later press wins.
            for (auto [x, y] : {std::pair{100, 120}, std::pair{400, 60}}) {
                const int sx = ui::Scaled(x), sy = ui::Scaled(y);
                picked = Shown(w, sx, sy);
                w.click(sx, sy);
                EXPECT_EQ(d.workingColour(), picked);
            }
            EXPECT_NE(picked, kStart);
            EXPECT_EQ(Values(d), ValuesOf(picked));
            EXPECT_EQ(Shown(w, px, py), picked);               // the preview follows
            EXPECT_EQ(w.systemMoves(), 0);                     // picking does not drag the window
            EXPECT_EQ(profile.dpiLevelIndication[3], kStart);  // nothing stored before OK
            w.clickDesign(420, 244);
        });
        EXPECT_EQ(result, CColorPaletteDlg::kOk);
        EXPECT_EQ(profile.dpiLevelIndication[3], picked);
        EXPECT_EQ(profile.dpiLevelIndication[2], 0x010101u);
    }
}

TEST_F(ColorPalette, TheGreyRampGivesExactGreys) {
    Run(3, [](TestWindow& w, CColorPaletteDlg& d) {
        w.click(460, 180);
        const Colour c = d.workingColour();
        EXPECT_EQ(redOf(c), greenOf(c));
        EXPECT_EQ(greenOf(c), blueOf(c));
        EXPECT_GT(redOf(c), 200);
        w.pressKey(kVkReturn);  // Enter is OK
    });
    EXPECT_EQ(redOf(profile.dpiLevelIndication[3]), greenOf(profile.dpiLevelIndication[3]));
    EXPECT_NE(profile.dpiLevelIndication[3], kStart);
}

TEST_F(ColorPalette, ClicksOnTheFrameChangeNothing) {
    Run(3, [](TestWindow& w, CColorPaletteDlg& d) {
        // Just outside each edge of the two pick areas, and between them.
        const std::pair<int, int> frame[] = {{17, 100},  {222, 100}, {100, 25},
                                             {100, 270}, {243, 100}, {473, 100},
                                             {300, 25},  {300, 190}, {233, 150}};
        for (auto [x, y] : frame) {
            EXPECT_EQ(Shown(w, x, y), CColorPaletteDlg::kFrameColour) << x << "," << y;
            w.click(x, y);
            EXPECT_EQ(d.workingColour(), kStart) << x << "," << y;
        }
        w.clickDesign(420, 244);
    });
    EXPECT_EQ(profile.dpiLevelIndication[3], kStart);
}

TEST_F(ColorPalette, CloseStoresNothingAndEscapeIsIgnored) {
    const int result = Run(3, [](TestWindow& w, CColorPaletteDlg&) {
        w.click(100, 120);
        w.pressKey(kVkEscape);
        EXPECT_TRUE(w.visible());
        w.clickDesign(487, 13);  // close
    });
    EXPECT_EQ(result, CColorPaletteDlg::kCancel);
    EXPECT_EQ(profile.dpiLevelIndication[3], kStart);
}

TEST_F(ColorPalette, IsListedAsAnOpenDialogWhileItRuns) {
    const int result = Run(3, [&](TestWindow& w, CColorPaletteDlg& d) {
        ASSERT_EQ(OpenDialogs().size(), 1u);
        EXPECT_EQ(OpenDialogs().at(0), &d);
        w.click(100, 120);
        OpenDialogs().CloseAll();  // the program ends
        EXPECT_EQ(OpenDialogs().size(), 0u);
    });
    EXPECT_EQ(result, CColorPaletteDlg::kCancel);
    EXPECT_EQ(profile.dpiLevelIndication[3], kStart);
    // Ended by its own buttons it leaves the list as well.
    Run(3, [&](TestWindow& w, CColorPaletteDlg&) {
        EXPECT_EQ(OpenDialogs().size(), 1u);
        w.clickDesign(420, 244);
    });
    EXPECT_EQ(OpenDialogs().size(), 0u);
}

TEST_F(ColorPalette, ALevelOutsideTheProfileStoresNothing) {
    const ProfileRecord before = profile;
    const int result = Run(8, [](TestWindow& w, CColorPaletteDlg&) {
        w.click(100, 120);
        w.clickDesign(420, 244);
    });
    EXPECT_EQ(result, CColorPaletteDlg::kCancel);
    EXPECT_EQ(profile, before);
}

}  // namespace
}  // namespace vexmo::testing
