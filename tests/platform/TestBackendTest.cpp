// The test backend's loop services on virtual time: timers, posted messages, modal runs, painting,
// pointer tracking, edit fields, keyboard hooks, file dialogs, tray and the instance lock.
#include <gtest/gtest.h>

#include <thread>

#include "platform/KeyboardHook.h"
#include "platform/QtTestApp.h"
#include "platform/test/TestServices.h"

namespace vexmo::platform {
namespace {

using test::TestServices;
using test::TestWindow;

struct Event {
    int64_t at;
    std::string what;
    bool operator==(const Event&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Event& e) {
    return os << e.at << ":" << e.what;
}

// A window that writes down everything it is told, with the virtual time.
class Recorder : public Window {
public:
    explicit Recorder(TestServices& s, std::vector<Event>& log, std::string tag)
        : s_(s), log_(log), tag_(std::move(tag)) {}

    intptr_t onMessage(const Message& m) override {
        log_.push_back({s_.nowMs(), tag_ + " msg " + std::to_string(m.id) + "/" +
                                        std::to_string(m.wparam) + "/" + std::to_string(m.lparam)});
        if (onMessageHook) onMessageHook(m);
        return 7;
    }
    void onTimer(int id) override {
        log_.push_back({s_.nowMs(), tag_ + " timer " + std::to_string(id)});
        if (onTimerHook) onTimerHook(id);
    }
    void onMouse(const MouseEvent& e) override {
        static const char* names[] = {"move", "down", "up",    "rdown",
                                      "rup",  "dbl",  "hover", "leave"};
        log_.push_back({s_.nowMs(), tag_ + " " + names[static_cast<int>(e.action)] + " " +
                                        std::to_string(e.x) + "," + std::to_string(e.y)});
    }
    void onPaint(QPainter& p, const QRect& clip) override {
        p.fillRect(QRect(QPoint(0, 0), geometry().size()), paintColour);
    }
    void onActivationLost() override { log_.push_back({s_.nowMs(), tag_ + " inactive"}); }
    void onEditChanged(int id) override {
        log_.push_back({s_.nowMs(), tag_ + " edit " + std::to_string(id)});
    }
    bool filterKey(const KeyEvent& e) override {
        if (e.action == KeyAction::Char) {
            keys.push_back(e.ch);
            return e.ch == u'x';  // swallow x
        }
        return false;
    }

    std::function<void(const Message&)> onMessageHook;
    std::function<void(int)> onTimerHook;
    Text keys;
    QColor paintColour = Qt::red;

private:
    TestServices& s_;
    std::vector<Event>& log_;
    std::string tag_;
};

class TestBackend : public ::testing::Test {
protected:
    void SetUp() override { vexmo::testing::EnsureQtApp(); }
    TestServices s;
    std::vector<Event> log;
    Recorder main{s, log, "main"};
    void SetUpMain() { ASSERT_TRUE(main.create(WindowKind::Dialog, nullptr, {0, 0, 200, 100})); }
};

TEST_F(TestBackend, TimersFireInTimeOrderAndEqualTimesInScheduleOrder) {
    SetUpMain();
    main.setTimer(110, 1000);
    main.setTimer(30, 20);
    main.setTimer(50, 300);
    main.setTimer(60, 300);  // due with 50; scheduled later, fires later
    main.onTimerHook = [&](int id) {
        if (id == 30) main.killTimer(30);  // one-shot
    };
    s.advance(1000);
    const std::vector<Event> expected = {{20, "main timer 30"},  {300, "main timer 50"},
                                         {300, "main timer 60"}, {600, "main timer 50"},
                                         {600, "main timer 60"}, {900, "main timer 50"},
                                         {900, "main timer 60"}, {1000, "main timer 110"}};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(s.nowMs(), 1000);
}

TEST_F(TestBackend, SettingATimerAgainRestartsItAndKillStopsIt) {
    SetUpMain();
    main.setTimer(70, 10000);
    s.advance(6000);
    main.setTimer(70, 10000);  // restarted by a further upload
    s.advance(9999);
    EXPECT_TRUE(log.empty());
    s.advance(1);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], (Event{16000, "main timer 70"}));
    main.killTimer(70);
    s.advance(60000);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(TestBackend, SleepMovesTheClockWithoutRunningTimers) {
    SetUpMain();
    main.setTimer(1, 50);
    s.sleep(60);
    EXPECT_EQ(s.nowMs(), 60);
    EXPECT_TRUE(log.empty());
    s.advance(0);
    EXPECT_EQ(log, (std::vector<Event>{{60, "main timer 1"}}));  // overdue, fires at once
}

TEST_F(TestBackend, PostedMessagesFromOtherThreadsArriveInOrderOnTheLoop) {
    SetUpMain();
    std::thread reader([&] {
        for (int i = 0; i < 3; ++i)
            main.post(1067, 1, i);
    });
    reader.join();
    EXPECT_TRUE(log.empty());  // nothing runs until the loop turns
    EXPECT_EQ(main.send(5, 0, 0), 7);
    s.processPosted();
    const std::vector<Event> expected = {{0, "main msg 5/0/0"},
                                         {0, "main msg 1067/1/0"},
                                         {0, "main msg 1067/1/1"},
                                         {0, "main msg 1067/1/2"}};
    EXPECT_EQ(log, expected);
}

TEST_F(TestBackend, MessagesPostedToADestroyedWindowAreDropped) {
    SetUpMain();
    Recorder other(s, log, "other");
    ASSERT_TRUE(other.create(WindowKind::Popup, &main, {0, 0, 10, 10}));
    other.post(1, 0, 0);
    other.postClose();
    other.destroy();
    other.post(2, 0, 0);
    s.advance(10);
    EXPECT_TRUE(log.empty());
}

TEST_F(TestBackend, ModalRunKeepsTimersAndPostedMessagesRunningUntilEnded) {
    SetUpMain();
    Recorder dialog(s, log, "dlg");
    dialog.setName("CAttentionDlg");
    main.setTimer(110, 100);
    s.onModal("CAttentionDlg", [&](TestWindow& w) {
        EXPECT_TRUE(w.visible());
        main.post(1067, 1, 5);
        dialog.setTimer(9, 250);
    });
    dialog.onTimerHook = [&](int id) { dialog.endModal(4); };
    ASSERT_TRUE(dialog.create(WindowKind::Dialog, &main, {10, 10, 50, 50}));
    EXPECT_EQ(dialog.runModal(), 4);
    const std::vector<Event> expected = {{0, "main msg 1067/1/5"},
                                         {100, "main timer 110"},
                                         {200, "main timer 110"},
                                         {250, "dlg timer 9"}};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(s.modalsRun(), std::vector<std::string>{"CAttentionDlg"});
    EXPECT_EQ(s.pendingModalActions(), 0u);
}

TEST_F(TestBackend, ATimerHandlerMayRunAModalDialogWhileOtherTimersGoOn) {
    SetUpMain();
    Recorder dialog(s, log, "dlg");
    dialog.setName("CAttentionDlg");
    main.setTimer(20, 100);
    main.setTimer(110, 1000);
    main.onTimerHook = [&](int id) {
        if (id != 20) return;
        main.killTimer(20);
        dialog.create(WindowKind::Dialog, &main, {0, 0, 30, 30});
        const int result = dialog.runModal();
        log.push_back({s.nowMs(), "result " + std::to_string(result)});
        dialog.destroy();
    };
    // The user answers the warning three seconds later.
    s.onModal("CAttentionDlg", [&](TestWindow&) { dialog.setTimer(1, 3000); });
    dialog.onTimerHook = [&](int) { dialog.endModal(1); };
    s.advance(5000);
    const std::vector<Event> expected = {{100, "main timer 20"},   {1000, "main timer 110"},
                                         {2000, "main timer 110"}, {3000, "main timer 110"},
                                         {3100, "dlg timer 1"},    {3100, "result 1"},
                                         {4000, "main timer 110"}, {5000, "main timer 110"}};
    EXPECT_EQ(log, expected);
}

TEST_F(TestBackend, EndModalBeforeTheRunReturnsAtOnceAndAModalThatCannotEndThrows) {
    SetUpMain();
    main.endModal(3);
    EXPECT_EQ(main.runModal(), 3);
    Recorder stuck(s, log, "stuck");
    stuck.setName("Stuck");
    stuck.create(WindowKind::Dialog, &main, {0, 0, 10, 10});
    EXPECT_THROW(stuck.runModal(), std::runtime_error);
}

TEST_F(TestBackend, PaintingCoversOnlyTheInvalidatedRegion) {
    SetUpMain();
    TestWindow& w = s.host(main);
    main.show();
    w.flushPaint();
    EXPECT_EQ(w.pixel(5, 5), QColor(Qt::red).rgb());  // showing paints the whole window
    main.paintColour = Qt::blue;
    main.invalidate(QRect(10, 10, 5, 5));
    EXPECT_EQ(w.dirty(), QRegion(10, 10, 5, 5));
    w.flushPaint();
    EXPECT_EQ(w.pixel(12, 12), QColor(Qt::blue).rgb());
    EXPECT_EQ(w.pixel(9, 12), QColor(Qt::red).rgb());
    EXPECT_EQ(w.pixel(15, 12), QColor(Qt::red).rgb());
    EXPECT_EQ(w.paintCount(), 2);
    EXPECT_TRUE(w.dirty().isEmpty());
}

TEST_F(TestBackend, HoverComesOnceAfterTheDelayAndLeaveWhenThePointerGoes) {
    SetUpMain();
    TestWindow& w = s.host(main);
    w.mouseMove(5, 5);
    main.trackMouse(50);
    s.advance(30);
    w.mouseMove(6, 5);  // movement restarts the rest period
    s.advance(49);
    w.mouseMove(6, 5);
    s.advance(50);
    s.advance(200);
    w.mouseMove(300, 5);  // outside: leave
    w.mouseMove(301, 5);
    const std::vector<Event> expected = {{0, "main move 5,5"},
                                         {30, "main move 6,5"},
                                         {79, "main move 6,5"},
                                         {129, "main hover 6,5"},
                                         {329, "main leave 300,5"}};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(w.tracking());
}

TEST_F(TestBackend, CaptureDeliversMovesOutsideAndReleaseOutsideEndsWithLeave) {
    SetUpMain();
    TestWindow& w = s.host(main);
    main.trackMouse(1);
    w.leftDown(5, 5);
    main.setCapture(true);
    w.mouseMove(-20, 300);
    w.leftUp(-20, 300);
    main.setCapture(false);
    const std::vector<Event> expected = {{0, "main down 5,5"},
                                         {0, "main move -20,300"},
                                         {0, "main up -20,300"},
                                         {0, "main leave -20,300"}};
    EXPECT_EQ(log, expected);
}

TEST_F(TestBackend, ClickingAWindowActivatesItAndTheOtherLosesActivation) {
    SetUpMain();
    Recorder popup(s, log, "popup");
    popup.create(WindowKind::Popup, &main, {300, 0, 50, 50});
    popup.show();
    EXPECT_EQ(s.activeWindow(), &s.host(popup));
    s.host(main).leftDown(1, 1);
    EXPECT_EQ(s.activeWindow(), &s.host(main));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0].what, "popup inactive");
    Recorder overlay(s, log, "osd");
    overlay.create(WindowKind::Overlay, nullptr, {0, 0, 5, 5});
    overlay.show();
    EXPECT_EQ(s.activeWindow(), &s.host(main));  // an overlay never takes the activation
}

TEST_F(TestBackend, EditFieldTypingPassesThroughTheWindowsKeyFilter) {
    SetUpMain();
    auto edit = main.createEditField(2017, QRect(10, 10, 50, 20));
    ASSERT_NE(edit, nullptr);
    edit->setText(u"50");
    edit->caretToEnd();
    edit->setFocus();
    log.clear();
    s.host(main).typeText(u"1x\b9");
    EXPECT_EQ(main.keys, u"1x\b9");
    EXPECT_EQ(edit->text(), u"509");  // x swallowed, backspace removed the 1
    EXPECT_EQ(log.size(), 3u);        // three changes
    edit->selectAll();
    s.host(main).typeText(u"7");
    EXPECT_EQ(edit->text(), u"7");
}

TEST_F(TestBackend, KeyboardHookPostsKeysWithTimeStampAndReleaseBit) {
    SetUpMain();
    KeyboardHook hook;
    s.host(main).pressKey(0x41);  // not started: nothing
    hook.StartHook(main);
    s.advance(1234);
    s.host(main).keyDown(0xA1);
    s.advance(16);
    s.host(main).keyUp(0xA1);
    s.processPosted();
    hook.StopHook();
    hook.StopHook();  // harmless twice
    s.host(main).pressKey(0x42);
    s.processPosted();
    const std::vector<Event> expected = {
        {1234, "main msg 1025/161/1234"},
        {1250, "main msg 1025/161/" + std::to_string(1250 | (int64_t{1} << 31))}};
    EXPECT_EQ(log, expected);
}

TEST(KeyboardHookStamp, TimeStampWrapsAt31Bits) {
    EXPECT_EQ(KeyboardHook::makeLparam((int64_t{1} << 31) + 5, false), 5);
    EXPECT_EQ(KeyboardHook::makeLparam((int64_t{1} << 31) + 5, true), 5 | kHookReleaseBit);
}

TEST_F(TestBackend, FileDialogsTakeRegisteredAnswersAndSaveAddsTheDefaultExtension) {
    FileDialogOptions options{"Export", {{"Profile files", "*.psf"}}, "psf", "Profile1"};
    s.answerFileDialog("/tmp/a/profile");
    s.answerFileDialog("/tmp/a.b/x.psf");
    s.answerFileDialog(std::nullopt);
    EXPECT_EQ(s.saveFile(options), std::optional<std::string>("/tmp/a/profile.psf"));
    EXPECT_EQ(s.saveFile(options), std::optional<std::string>("/tmp/a.b/x.psf"));
    EXPECT_EQ(s.openFile(options), std::nullopt);
    EXPECT_EQ(s.openFile(options), std::nullopt);  // no answer left: cancelled
    ASSERT_EQ(s.fileDialogsAsked().size(), 4u);
    EXPECT_EQ(s.fileDialogsAsked()[0].title, "Export");
}

TEST_F(TestBackend, TrayEventsArriveAsPostedCallbackMessages) {
    SetUpMain();
    s.testTray().add(main, 1056, 128, QImage(), u"tip");
    s.testTray().sendEvent(Tray::kRightButtonUp);
    s.processPosted();
    EXPECT_EQ(log, (std::vector<Event>{{0, "main msg 1056/128/517"}}));
    s.testTray().answerMenu(2076);
    EXPECT_EQ(s.tray().trackMenu({{2075, u"Show"}, {0, u""}, {2076, u"Exit"}}), 2076);
    EXPECT_EQ(s.tray().trackMenu({{2075, u"Show"}}), 0);
}

TEST_F(TestBackend, ASecondInstanceAsksTheFirstToShowItself) {
    auto first = s.claimInstance("20210610 Mouse 33XX");
    int activations = 0;
    first->onActivationRequest([&] { ++activations; });
    auto second = s.claimInstance("20210610 Mouse 33XX");
    EXPECT_TRUE(first->isFirst());
    EXPECT_FALSE(second->isFirst());
    EXPECT_TRUE(second->requestActivation());
    EXPECT_EQ(activations, 1);
    first.reset();
    EXPECT_TRUE(s.claimInstance("20210610 Mouse 33XX")->isFirst());
}

TEST(UiScaleRule, FollowsTheUsableArea) {
    EXPECT_EQ(Services::uiScaleFor({3840, 2100}), 2.0);
    EXPECT_EQ(Services::uiScaleFor({2560, 1400}), 1.5);
    EXPECT_EQ(Services::uiScaleFor({2401, 1600}), 1.5);
    EXPECT_EQ(Services::uiScaleFor({1920, 1080}), 1.0);
    EXPECT_EQ(Services::uiScaleFor({1801, 1201}), 1.5);
}

}  // namespace
}  // namespace vexmo::platform
