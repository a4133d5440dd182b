// Sliders, gauges, scroll bars, lists, the battery and images: their geometry and their notices.
#include <QFontMetrics>
#include <memory>

#include "UiFixture.h"
#include "ui/CBattery.h"
#include "ui/CDPIValueShowControl.h"
#include "ui/CEditShowList.h"
#include "ui/CImageShowList.h"
#include "ui/CSliderControl.h"
#include "ui/CStaticImage.h"
#include "ui/CVScrollBar.h"
#include "ui/ListRows.h"
#include "ui/UiText.h"

namespace vexmo::ui::testing {
namespace {

class Indicators : public UiTest {};

// A slider whose three stops lie over a 100-pixel track from x = 16.
CSliderControl* OpenSlider(UiTest& t, RecordingDialog& d) {
    CSliderControl* slider = nullptr;
    d.create = [&](RecordingDialog& dlg, const Rect&) {
        slider =
            dlg.AddControl(0, std::make_unique<CSliderControl>(&dlg, 2021, Rect{10, 10, 123, 23}, 3,
                                                               6, 7, u"", true, true, false));
        slider->LoadThumbImage("skins/Slider_Circle.png");
    };
    d.SetSize(200, 50);
    d.Create(nullptr);
    return slider;
}

TEST_F(Indicators, SliderStopsAndTheNearestStopWithHalfwayGoingUp) {
    MakeImage("skins/Slider_Circle.png", 13, 13, Qt::white);
    CSliderControl* slider = OpenSlider(*this, dialog);
    EXPECT_EQ(slider->stops(), (std::vector<int>{16, 66, 116}));
    const std::pair<int, int> cases[] = {{0, 0}, {40, 0}, {41, 1}, {90, 1}, {91, 2}, {500, 2}};
    for (const auto& [x, stop] : cases)
        EXPECT_EQ(slider->NearestStop(x), stop) << x;
    host().click(41, 15);  // exactly halfway between stops 0 and 1
    EXPECT_EQ(slider->value(), 1);
    EXPECT_EQ(slider->thumbRect(), (Rect{60, 10, 73, 23}));
    EXPECT_EQ(TakeSent().back(), (Sent{2021, 0, kClicked}));
}

TEST_F(Indicators, DraggingPastTheEndStaysOnTheLastStopFlushWithTheEdge) {
    MakeImage("skins/Slider_Circle.png", 13, 13, Qt::white);
    CSliderControl* slider = OpenSlider(*this, dialog);
    host().mouseMove(12, 15);
    host().leftDown(12, 15);  // on the thumb: drag
    ASSERT_TRUE(slider->dragging());
    for (int x = 20; x <= 122; x += 17)
        host().mouseMove(x, 15);
    host().mouseMove(122, 15);
    host().mouseMove(190, 15);  // beyond the right edge
    EXPECT_EQ(slider->value(), 2);
    EXPECT_EQ(slider->ThumbDrawRect(), QRect(110, 10, 13, 13));  // right edge at 123
    const std::vector<Sent> sent = TakeSent();
    EXPECT_EQ(sent.front(), (Sent{2021, 0, kPressed}));
    EXPECT_EQ(sent.back(), (Sent{2021, 2, kValueChanged}));
    host().leftUp(190, 15);
    EXPECT_FALSE(slider->dragging());
    EXPECT_EQ(slider->value(), 2);
    EXPECT_EQ(slider->thumbRect(), (Rect{110, 10, 123, 23}));  // a later press finds the thumb
    EXPECT_TRUE(TakeSent().empty());                           // a release outside sends nothing
}

TEST_F(Indicators, ADragFollowsThePointerBelowTheSlidersBand) {
    MakeImage("skins/Slider_Circle.png", 13, 13, Qt::white);
    CSliderControl* slider = OpenSlider(*this, dialog);
    host().mouseMove(12, 15);
    host().leftDown(12, 15);
    ASSERT_TRUE(slider->dragging());
    host().mouseMove(70, 40);  // right of the middle stop, well below the 13-pixel band
    EXPECT_EQ(slider->value(), 1);
    EXPECT_EQ(TakeSent().back(), (Sent{2021, 1, kValueChanged}));
    host().leftUp(70, 40);
    EXPECT_EQ(slider->value(), 1);
}

TEST_F(Indicators, APressBesideTheThumbDoesNotDragButItsReleaseMovesTheThumb) {
    MakeImage("skins/Slider_Circle.png", 13, 13, Qt::white);
    CSliderControl* slider = OpenSlider(*this, dialog);
    host().mouseMove(100, 15);
    host().leftDown(100, 15);
    EXPECT_FALSE(slider->dragging());
    host().mouseMove(110, 15);
    EXPECT_EQ(slider->value(), 0);
    host().leftUp(110, 15);
    EXPECT_EQ(slider->value(), 2);
}

TEST_F(Indicators, BatteryFillFromTheLevel) {
    struct Case {
        double scale;
        int level;
        int top;  // client y of the fill for a battery at design (80, 433, 30, 61)
    };
    const Case cases[] = {{1.0, 100, 440}, {1.0, 50, 465}, {1.0, 1, 489}, {1.0, 0, 489},
                          {2.0, 100, 880}, {2.0, 1, 978},  {2.0, 0, 978}, {1.5, 100, 659},
                          {1.5, 1, 733},   {1.5, 97, 663}};  // 662 leaves an odd 79: one lower
    for (const Case& c : cases) {
        SetScale(c.scale);
        CBattery battery(nullptr, Rect::fromDesign(80, 433, 30, 61, c.scale), u"", true, true);
        EXPECT_EQ(battery.FillTop(c.level), c.top) << c.scale << " " << c.level;
        EXPECT_FALSE(battery.interactive());
    }
}

TEST_F(Indicators, BatteryDrawsTheFullImageOnlyBelowTheFillTop) {
    MakeImage("skins/battery_full.png", 30, 61, Qt::green);
    MakeImage("skins/battery_empty.png", 30, 61, Qt::darkGray);
    CBattery* battery = nullptr;
    Open(200, 100, [&](RecordingDialog& d, const Rect&) {
        battery =
            d.AddControl(0, std::make_unique<CBattery>(&d, Rect{10, 10, 40, 71}, u"", true, true));
        battery->LoadImages("skins/battery_full.png", "skins/battery_empty.png",
                            "skins/missing.png", "skins/missing.png");
    });
    battery->SetLevel(1);
    dialog.invalidate();
    EXPECT_EQ(host().pixel(20, 65), QColor(Qt::darkGray).rgb());
    EXPECT_EQ(host().pixel(20, 66), QColor(Qt::green).rgb());  // one unit of fill
    battery->SetMode(CBattery::Mode::Charging);                // missing images draw nothing
    dialog.invalidate();
    EXPECT_EQ(host().pixel(20, 66), host().pixel(5, 5));
    for (int step : {50, 75, 100, 25}) {
        battery->AdvanceAnimation();
        EXPECT_EQ(battery->animationStep(), step);
    }
}

TEST_F(Indicators, ScrollThumbGeometry) {
    struct Case {
        int position, page, total;
        Rect thumb;
    };
    // Bar 18 x 271 at (169, 53): arrows of 20, track 73 .. 304 (231 long).
    const Case cases[] = {
        {0, 13, 0, {169, 73, 187, 304}},      // nothing to scroll: the whole track
        {0, 13, 10, {169, 73, 187, 304}},     // page larger than total: clipped to the track
        {0, 13, 26, {169, 73, 187, 189}},     // half
        {13, 13, 26, {169, 189, 187, 304}},   // second half
        {5, 13, 100, {169, 85, 187, 115}},    // 11.55 -> 12, 30.03 -> 30
        {99, 13, 100, {169, 302, 187, 304}},  // cut at the track bottom
    };
    CVScrollBar bar(nullptr, 2021, Rect{169, 53, 187, 324}, u"", true, true, false);
    for (const Case& c : cases) {
        bar.SetScrollInfo(c.position, c.page, c.total);
        EXPECT_EQ(bar.thumbRect(), c.thumb) << c.position << "/" << c.page << "/" << c.total;
    }
}

TEST_F(Indicators, ScrollBarReportsTheHitPartAndThumbDrags) {
    CVScrollBar* bar = nullptr;
    Open(400, 400, [&](RecordingDialog& d, const Rect&) {
        bar = d.AddControl(0, std::make_unique<CVScrollBar>(&d, 2021, Rect{169, 53, 187, 324}, u"",
                                                            true, true, false));
    });
    bar->SetScrollInfo(0, 10, 40);
    const std::pair<int, uintptr_t> presses[] = {{60, 6}, {320, 7}, {80, 0}, {200, 9}};
    for (const auto& [y, part] : presses) {
        host().click(175, y);
        const std::vector<Sent> sent = TakeSent();
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[0], (Sent{2021, part, kPressed})) << y;
        EXPECT_EQ(sent[1], (Sent{2021, 0, kClicked}));
    }
    bar->SetScrollInfo(30, 10, 40);
    host().click(175, 100);
    EXPECT_EQ(TakeSent()[0], (Sent{2021, 8, kPressed}));
    bar->SetScrollInfo(0, 10, 40);  // thumb 73 .. 131
    host().mouseMove(175, 80);
    host().leftDown(175, 80);
    host().mouseMove(175, 80 + 58);  // one thumb length down: position 10
    EXPECT_EQ(bar->position(), 10);
    host().leftUp(175, 80 + 58);
    const std::vector<Sent> expected = {
        {2021, 0, kPressed}, {2021, 0, kValueChanged}, {2021, 0, kClicked}};
    EXPECT_EQ(TakeSent(), expected);
}

TEST(ListRows, VisibleRowsAndTheFirstVisibleRow) {
    UiEnvironment env;
    SetEnv(env);
    EXPECT_EQ(VisibleRowsFor(269), 13);  // the macro lists: (269 + 10) / 20
    EXPECT_EQ(VisibleRowsFor(9), 0);
    EXPECT_EQ(VisibleRowsFor(10), 1);
    env.uiScale = 1.5;
    SetEnv(env);
    EXPECT_EQ(VisibleRowsFor(403), 13);  // (403 + 15) / 30
    env.uiScale = 2.0;
    SetEnv(env);
    EXPECT_EQ(VisibleRowsFor(538), 13);
    struct Case {
        int selected, first, visible, total, expected;
    };
    const Case cases[] = {{20, 0, 13, 30, 8},  {5, 0, 13, 30, 0},  {29, 0, 13, 30, 17},
                          {3, 10, 13, 30, 10}, {2, 10, 13, 12, 0}, {20, 25, 13, 30, 17}};
    for (const Case& c : cases) {
        EXPECT_EQ(FirstVisibleFor(c.selected, c.first, c.visible, c.total), c.expected)
            << c.selected << " " << c.first;
    }
    SetEnv(UiEnvironment{});
}

// Three rows: folder F (open) with macro x inside, then macro B.
class FakeTree : public MacroTreeView {
public:
    int RowCount() const override { return folderOpen ? 3 : 2; }
    Row RowAt(int row) const override {
        if (row == 0) return {0, u"F", true, folderOpen};
        if (row == 1 && folderOpen) return {1, u"x", false, false};
        return {0, u"B", false, false};
    }
    int SelectedRow() const override { return selected; }
    void SelectRow(int row) override { selected = row; }
    void ToggleOpen(int row) override {
        toggled.push_back(row);
        if (row == 0) folderOpen = !folderOpen;
    }
    bool folderOpen = true;
    int selected = -1;
    std::vector<int> toggled;
};

TEST_F(Indicators, TreeListSelectsTogglesFoldersAndReportsClicks) {
    MakeImage("skins/foldr_open.png", 12, 12, Qt::yellow);
    MakeImage("skins/foldr_close.png", 12, 12, Qt::yellow);
    FakeTree tree;
    CEditShowList* list = nullptr;
    Open(300, 300, [&](RecordingDialog& d, const Rect&) {
        list = d.AddControl(0, std::make_unique<CEditShowList>(&d, Rect{25, 54, 168, 323}, &tree,
                                                               true, true, false));
        list->LoadFolderImages("skins/foldr_open.png", "skins/foldr_close.png");
    });
    EXPECT_EQ(list->VisibleRows(), 13);
    host().click(100, 54 + 45);  // third row: B
    EXPECT_EQ(tree.selected, 2);
    EXPECT_TRUE(tree.toggled.empty());
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{2015, 0, kClicked}}));
    host().click(30, 54 + 5);  // on the folder's icon: selects and closes it
    EXPECT_EQ(tree.selected, 0);
    EXPECT_EQ(tree.toggled, (std::vector<int>{0}));
    host().click(100, 54 + 100);  // below the last row: nothing selected
    EXPECT_EQ(tree.selected, -1);
    TakeSent();
    host().doubleClick(100, 54 + 25);  // row 1 (B now)
    EXPECT_EQ(tree.toggled, (std::vector<int>{0, 1}));
    EXPECT_EQ(
        TakeSent(),
        (std::vector<Sent>{{2015, 0, kClicked}, {2015, 0, kDoubleClicked}, {2015, 0, kClicked}}));
    host().rightClick(90, 54 + 5);
    const std::vector<Sent> sent = TakeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].lparam, kRightClicked);
    EXPECT_EQ(*reinterpret_cast<const QPoint*>(sent[0].wparam), QPoint(90, 59));
    EXPECT_EQ(tree.selected, 0);
}

TEST_F(Indicators, ActionListTextsAndAPressBelowTheLastRowChangesNothing) {
    MacroRecord macro;
    macro.InsertAction(0, MacroAction::key(0x41, false));
    macro.InsertAction(1, MacroAction::delay(5000));
    macro.InsertAction(2, MacroAction{0xE5, 0, 0, 0xFB});
    macro.InsertAction(3, MacroAction{0xE6, 0x80, 0, 3});
    macro.InsertAction(4, MacroAction{0xE7, 0, 0, 0x80});
    macro.InsertAction(5, MacroAction{0xE7, 0, 0, 2});
    macro.InsertAction(6, MacroAction{0x01, 0, 1, 0});
    CImageShowList* list = nullptr;
    Open(400, 400, [&](RecordingDialog& d, const Rect&) {
        list =
            d.AddControl(0, std::make_unique<CImageShowList>(
                                &d, Rect{190, 54, 333, 323},
                                [](uint8_t code) { return code == 0x41 ? Text(u"A") : Text(u"?"); },
                                true, true, false));
    });
    list->SetMacro(&macro);
    const Text expected[] = {u"A",           u"5000ms",       u"Move Left 5",
                             u"Move Down 3", u"Wheel Up 128", u"Wheel Down 2",
                             u"256ms"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(list->ActionText(macro.actions[i]), expected[i]) << i;
    host().click(200, 54 + 25);
    EXPECT_EQ(list->selected(), 1);
    host().click(200, 54 + 7 * 20 + 5);  // below the seventh row
    EXPECT_EQ(list->selected(), 1);
}

TEST_F(Indicators, GaugeFillsFromTheBottom) {
    MakeImage("skins/mouse/dpi_bar_1.png", 7, 132, Qt::darkGray);
    MakeImage("skins/mouse/dpi_bar_2.png", 7, 132, Qt::red);
    CDPIValueShowControl* gauge = nullptr;
    Open(100, 200, [&](RecordingDialog& d, const Rect&) {
        gauge = d.AddControl(0, std::make_unique<CDPIValueShowControl>(
                                    &d, 3300, Rect{10, 10, 17, 142}, u"", true, true, false));
        gauge->LoadImages("skins/mouse/dpi_bar_1.png", "skins/mouse/dpi_bar_2.png");
    });
    gauge->SetMaximum(4);
    gauge->SetValue(1);  // half of 132
    EXPECT_EQ(gauge->FillHeight(), 66);
    dialog.invalidate();
    EXPECT_EQ(host().pixel(12, 75), QColor(Qt::darkGray).rgb());
    EXPECT_EQ(host().pixel(12, 76), QColor(Qt::red).rgb());
    gauge->SetMaximum(0);  // no steps known yet: no fill, no division by zero
    EXPECT_EQ(gauge->FillHeight(), 0);
    host().click(12, 20);
    EXPECT_EQ(TakeSent(), (std::vector<Sent>{{3300, 0, kPressed}, {3300, 0, kClicked}}));
}

TEST_F(Indicators, DoubleDensityImagesKeepTheirDesignSizeAndMissingOnesDrawNothing) {
    MakeImage("skins/mouse/mouse_nr.png", 20, 10, Qt::blue);
    MakeImage("skins/mouse/mouse_nr@2x.png", 40, 20, Qt::green);
    SkinImage plain = LoadSkinImage("skins/mouse/mouse_nr.png");
    EXPECT_EQ(plain.pixels().pixel(0, 0), QColor(Qt::blue).rgb());
    SetScale(2.0);
    SkinImage dense = LoadSkinImage("skins/mouse/mouse_nr.png");
    EXPECT_EQ(dense.size(), QSize(20, 10));
    EXPECT_EQ(dense.pixels().size(), QSize(40, 20));
    EXPECT_EQ(dense.pixels().pixel(0, 0), QColor(Qt::green).rgb());
    EXPECT_EQ(dense.pixels().devicePixelRatio(), 1.0);
    EXPECT_FALSE(LoadSkinImage("skins/menu_nr.png").ok());
    EXPECT_FALSE(LoadResourceImage(99999).has_value());

    CStaticImage* missing = nullptr;
    Open(100, 100, [&](RecordingDialog& d, const Rect&) {
        missing = d.AddControl(
            0, std::make_unique<CStaticImage>(&d, 3400, Rect{0, 0, 50, 50}, u"", true, true));
        missing->LoadImage("skins/menu_nr.png");
    });
    EXPECT_FALSE(missing->image().ok());
    EXPECT_EQ(host().pixel(10, 10), host().pixel(80, 80));  // only the base colour
}

TEST_F(Indicators, BackgroundImageGivesTrimAverageColourAndABufferOfTheWindowSize) {
    QImage half(1127, 740, QImage::Format_ARGB32);
    half.fill(QColor(0, 0, 0));
    for (int y = 0; y < 740; ++y) {
        for (int x = 0; x < 1127; x += 2)
            half.setPixel(x, y, qRgb(200, 100, 50));
    }
    ASSERT_TRUE(half.save(QString::fromStdString(Env().appDirectory + "skins/bg.png")));
    for (double scale : {1.0, 2.0}) {
        SetScale(scale);
        RecordingDialog d;
        d.SetSize(static_cast<int>(1127 * scale), static_cast<int>(740 * scale));
        ASSERT_TRUE(d.LoadBackgroundFromFile("skins/bg.png"));
        EXPECT_EQ(d.trim(), 0) << scale;
        EXPECT_EQ(d.backgroundBuffer().size(), QSize(1127, 740) * scale);
        // 564 of 1127 columns coloured: sums divided by the pixel count.
        EXPECT_EQ(d.baseColor(), makeColour(200 * 564 / 1127, 100 * 564 / 1127, 50 * 564 / 1127));
    }
    SetScale(1.0);
    RecordingDialog small;
    small.SetSize(2000, 800);
    ASSERT_TRUE(small.LoadBackgroundFromFile("skins/bg.png"));
    EXPECT_EQ(small.trim(), 100);
    EXPECT_EQ(small.backgroundBuffer().size(), QSize(1027, 640));
    EXPECT_FALSE(small.LoadBackgroundFromFile("skins/none.png"));
    EXPECT_FALSE(small.LoadBackgroundFromResource(99999));
}

}  // namespace
}  // namespace vexmo::ui::testing

namespace vexmo::ui::testing {
namespace {

TEST_F(Indicators, FrameBitmapsComposeTransparentPixelsOverBlack) {
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0, 0));
    image.setPixelColor(1, 0, QColor(200, 100, 50, 255));
    ASSERT_TRUE(
        image.save(QString::fromStdString(Env().appDirectory + "skins/Frame_common.bmp"), "PNG"));
    const SkinImage bitmap = LoadSkinBitmap("skins/Frame_common.bmp");
    ASSERT_TRUE(bitmap.ok());
    EXPECT_EQ(bitmap.pixels().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(bitmap.pixels().pixel(1, 0), qRgb(200, 100, 50));
}

TEST(UiFonts, MissingFacesFallBackToInstalledFontsAtPixelHeights) {
    vexmo::testing::EnsureQtApp();
    const QFont song = MakeFont(u"\u5B8B\u4F53", 12);
    EXPECT_EQ(song.pixelSize(), 12);
    EXPECT_TRUE(QFontMetrics(song).inFont(QChar(0x4E2D)));  // 中 can be drawn
    const QFont tahoma = MakeFont(u"Tahoma", 32, 600);
    EXPECT_EQ(tahoma.pixelSize(), 32);
    EXPECT_EQ(tahoma.weight(), QFont::DemiBold);
    EXPECT_TRUE(QFontMetrics(tahoma).inFont(QChar('W')));
}

}  // namespace
}  // namespace vexmo::ui::testing
