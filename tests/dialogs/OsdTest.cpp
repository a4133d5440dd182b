// The on-screen display: its texts from the profile, where it puts them, its place on the screen
// and how long it stays after the last change.
#include <QColor>

#include "DialogFixture.h"
#include "app/COSDDialog.h"
#include "app/OsdPresenter.h"
#include "app/OsdTexts.h"

namespace vexmo::testing {
namespace {

using platform::test::TestWindow;

const Text kSong = u"\u5B8B\u4F53";

TEST(OsdTexts, LevelValueAndRateComeFromTheActivePosition) {
    DpiStepTable steps;
    ASSERT_TRUE(steps.Build(0x3325));  // step value 2 * i + 4 up to step 48
    struct Case {
        uint8_t flags;
        uint8_t position;
        uint8_t polling;
        OsdTexts expected;
    };
    const Case cases[] = {
        {0x3E, 2, 3, {u"DPI-4", u"1100", u"1000Hz"}},  // levels 1..5: position 2 is level 3
        {0x01, 0, 0, {u"DPI-1", u"200", u"125Hz"}},   {0xFF, 7, 1, {u"DPI-8", u"10000", u"250Hz"}},
        {0x03, 5, 2, {u"DPI-1", u"200", u"500Hz"}},   // no such position: level 0
        {0x00, 0, 9, {u"DPI-1", u"200", u"1000Hz"}},  // no level enabled
    };
    for (const Case& c : cases) {
        ProfileRecord profile;
        profile.dpiOffOnFlag = c.flags;
        profile.currentDpiLevel = c.position;
        profile.pollingRateValue[0] = c.polling;
        profile.xySetting = {0, 0, 0, 9, 0, 0, 0, 58};
        EXPECT_EQ(BuildOsdTexts(profile, steps), c.expected)
            << int(c.flags) << "/" << int(c.position);
    }
}

TEST(OsdTexts, ValueAndRatePositionsDependOnLengthAndFace) {
    EXPECT_EQ(OsdValueX(5, false), 16);
    EXPECT_EQ(OsdValueX(4, false), 34);
    EXPECT_EQ(OsdValueX(3, false), 50);
    EXPECT_EQ(OsdValueX(5, true), 34);
    EXPECT_EQ(OsdValueX(4, true), 44);
    EXPECT_EQ(OsdValueX(3, true), 50);
    EXPECT_EQ(OsdRateX(6), 50);
    EXPECT_EQ(OsdRateX(5), 57);
}

class Osd : public DialogTest {
protected:
    // A main window that hands its timer 50 to the presenter.
    struct MainWindow : platform::Window {
        void onTimer(int id) override {
            if (id == OsdPresenter::kTimerId && presenter != nullptr) {
                ++ticks;
                presenter->OnTimer50();
            }
        }
        OsdPresenter* presenter = nullptr;
        int ticks = 0;
    };

    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(main.create(platform::WindowKind::Dialog, nullptr, {0, 0, 300, 200}));
        main.presenter = &presenter;
    }

    // The leftmost column with a white pixel between rows top and bottom, -1 when none.
    static int FirstWhiteColumn(const QImage& image, int top, int bottom) {
        for (int x = 0; x < image.width(); ++x) {
            for (int y = top; y < bottom; ++y) {
                if (QColor(image.pixel(x, y)).lightness() > 200) return x;
            }
        }
        return -1;
    }

    MainWindow main;
    OsdPresenter presenter{main};
};

TEST_F(Osd, OpensTranslucentOnTopInTheBottomRightCornerOfTheWorkArea) {
    SetScale(1.5);
    services.setWorkArea({0, 0, 1920, 1040});
    presenter.Show({u"DPI-2", u"1600", u"500Hz"});
    ASSERT_TRUE(presenter.isOpen());
    TestWindow& w = host(*presenter.display());
    EXPECT_EQ(w.geometry(), QRect(1920 - 270, 1040 - 210, 270, 210));
    EXPECT_EQ(w.kind(), platform::WindowKind::Overlay);
    EXPECT_TRUE(w.visible());
    EXPECT_TRUE(w.topMost());
    EXPECT_DOUBLE_EQ(w.opacity(), 128 / 255.0);
    EXPECT_EQ(services.activeWindow(), nullptr);  // it never takes the focus
    EXPECT_EQ(w.pixel(2, 2), QColor(164, 73, 164).rgb());
}

TEST_F(Osd, FollowsAWorkAreaThatDoesNotStartAtTheOrigin) {
    services.setWorkArea({100, 50, 1600, 900});
    presenter.Show({u"DPI-1", u"800", u"125Hz"});
    EXPECT_EQ(presenter.display()->geometry(), QRect(1700 - 180, 950 - 140, 180, 140));
}

TEST_F(Osd, TextsStandWhereTheirLengthAndFacePutThem) {
    struct Case {
        Text face;
        double scale;
        Text value;
        Text rate;
        QPoint value_at;
        QPoint rate_at;
    };
    const Case cases[] = {
        {u"Tahoma", 1.0, u"12000", u"1000Hz", {16, 44}, {50, 92}},
        {u"Tahoma", 1.0, u"800", u"125Hz", {50, 44}, {57, 92}},
        {u"Tahoma", 1.5, u"1600", u"500Hz", {51, 66}, {85, 138}},
        {kSong, 1.0, u"12000", u"250Hz", {34, 44}, {57, 92}},
        {kSong, 2.0, u"1600", u"1000Hz", {88, 88}, {100, 184}},
    };
    for (const Case& c : cases) {
        SetScale(c.scale, c.face);
        const OsdTexts texts{u"DPI-1", c.value, c.rate};
        const COSDDialog::Layout at = COSDDialog::LayoutFor(texts, c.face);
        EXPECT_EQ(at.level, QPoint(ui::Scaled(58), ui::Scaled(20)));
        EXPECT_EQ(at.value, c.value_at);
        EXPECT_EQ(at.rate, c.rate_at);
    }
}

TEST_F(Osd, DrawsTheValueFromItsPosition) {
    for (const auto& [value, x] : {std::pair{u"12000", 16}, std::pair{u"800", 50}}) {
        SCOPED_TRACE(x);
        COSDDialog display;
        ASSERT_TRUE(display.Open({u"", value, u""}));
        const QImage& image = host(display).image();
        const int first = FirstWhiteColumn(image, 44, 100);
        EXPECT_GE(first, x);
        EXPECT_LT(first, x + 14);  // the first digit starts at x (less its side bearing)
    }
}

TEST_F(Osd, AllTextsFitInsideThePanel) {
    for (double scale : {1.0, 2.0}) {
        for (const Text& face : {Text(u"Tahoma"), kSong}) {
            SetScale(scale, face);
            COSDDialog display;
            ASSERT_TRUE(display.Open({u"DPI-8", u"26000", u"1000Hz"}));
            const QImage& image = host(display).image();
            const int right = ui::Scaled(180) - 1;
            const int bottom = ui::Scaled(140) - 1;
            for (int y = 0; y <= bottom; ++y) {
                ASSERT_NE(QColor(image.pixel(right, y)).lightness() > 200, true) << y;
            }
            for (int x = 0; x <= right; ++x) {
                ASSERT_NE(QColor(image.pixel(x, bottom)).lightness() > 200, true) << x;
            }
        }
    }
}

TEST_F(Osd, ThreeChangesHalfASecondApartKeepOneDisplayUntilTheCountdownEnds) {
    presenter.Show({u"DPI-1", u"800", u"1000Hz"});
    const COSDDialog* first = presenter.display();
    services.advance(500);
    presenter.Show({u"DPI-2", u"1600", u"1000Hz"});
    services.advance(500);
    presenter.Show({u"DPI-3", u"3200", u"1000Hz"});
    EXPECT_EQ(presenter.display(), first);
    EXPECT_EQ(presenter.display()->texts().value, u"3200");
    EXPECT_EQ(presenter.countdown(), OsdPresenter::kCountdown);
    const int64_t lastChange = services.nowMs();

    while (presenter.isOpen() && services.nowMs() - lastChange < 5000)
        services.advance(10);
    const int64_t shown = services.nowMs() - lastChange;
    EXPECT_GE(shown, 1500);
    EXPECT_LE(shown, 1800);
    EXPECT_TRUE(services.windows().size() == 1u);  // only the main window is left

    const int ticks = main.ticks;
    services.advance(3000);
    EXPECT_EQ(main.ticks, ticks);  // timer 50 was stopped
}

TEST_F(Osd, UpdatingRepaintsTheOpenDisplay) {
    DpiStepTable steps;
    ASSERT_TRUE(steps.Build(0x3325));
    ProfileRecord profile;
    profile.dpiOffOnFlag = 0x03;
    profile.currentDpiLevel = 1;
    profile.xySetting = {0, 58};
    presenter.Show(profile, steps);
    TestWindow& w = host(*presenter.display());
    w.flushPaint();
    const int paints = w.paintCount();
    profile.currentDpiLevel = 0;
    presenter.Show(profile, steps);
    EXPECT_EQ(presenter.display()->texts(), (OsdTexts{u"DPI-1", u"200", u"125Hz"}));
    EXPECT_FALSE(w.dirty().isEmpty());
    w.flushPaint();
    EXPECT_EQ(w.paintCount(), paints + 1);
}

TEST_F(Osd, ADisplayClosedFromOutsideIsOpenedAgain) {
    presenter.Show({u"DPI-1", u"800", u"125Hz"});
    host(*presenter.display()).close();  // the default close request removes the window
    presenter.Show({u"DPI-2", u"1600", u"125Hz"});
    ASSERT_TRUE(presenter.isOpen());
    EXPECT_TRUE(presenter.display()->exists());
    EXPECT_TRUE(host(*presenter.display()).visible());
}

}  // namespace
}  // namespace vexmo::testing
