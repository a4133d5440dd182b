// The Qt backend under the offscreen platform: posted messages and modal runs on Qt's loop,
// painting through the buffer, key routing to hooks, filters and edit fields, the instance lock
// and the choice of the mouse settings panel.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <thread>

#include "platform/KeyboardHook.h"
#include "platform/QtTestApp.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtWindowHost.h"

namespace vexmo::platform::qt {
namespace {

class Probe : public Window {
public:
    intptr_t onMessage(const Message& m) override {
        messages.push_back(m);
        if (m.id == 99) endModal(static_cast<int>(m.lparam));
        return 0;
    }
    void onTimer(int id) override {
        timers.push_back(id);
        if (id == 5 && inModal()) {
            killTimer(3);
            killTimer(5);
            endModal(55);
        }
    }
    void onPaint(QPainter& p, const QRect& clip) override {
        clips.push_back(clip);
        p.fillRect(clip, colour);
    }
    bool filterKey(const KeyEvent& e) override {
        keys.push_back(e);
        return e.action == KeyAction::Char && e.ch == u'x';
    }
    void onEditChanged(int id) override { ++edits; }

    std::vector<Message> messages;
    std::vector<int> timers;
    std::vector<KeyEvent> keys;
    std::vector<QRect> clips;
    QColor colour = Qt::green;
    int edits = 0;
};

class QtBackend : public ::testing::Test {
protected:
    void SetUp() override {
        vexmo::testing::EnsureQtApp();
        services = std::make_unique<QtServices>();
    }
    void TearDown() override {
        probe.destroy();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        services.reset();
    }
    HostWidget* Widget() { return static_cast<QtWindowHost*>(probe.host())->widget(); }

    std::unique_ptr<QtServices> services;
    Probe probe;
};

TEST_F(QtBackend, AModalRunEndsFromAMessagePostedByAnotherThread) {
    ASSERT_TRUE(probe.create(WindowKind::Dialog, nullptr, {10, 10, 100, 80}));
    std::thread reader([&] {
        probe.post(1067, 1, 7);
        probe.post(99, 0, 42);
    });
    const int result = probe.runModal();
    reader.join();
    EXPECT_EQ(result, 42);
    ASSERT_EQ(probe.messages.size(), 2u);
    EXPECT_EQ(probe.messages[0].id, 1067u);
    EXPECT_EQ(probe.messages[0].lparam, 7);
    EXPECT_FALSE(probe.inModal());
}

TEST_F(QtBackend, TimersKeepRunningInsideAModalRun) {
    ASSERT_TRUE(probe.create(WindowKind::Dialog, nullptr, {10, 10, 100, 80}));
    probe.setTimer(3, 1);
    probe.setTimer(5, 30);
    EXPECT_EQ(probe.runModal(), 55);
    EXPECT_FALSE(probe.timers.empty());
    EXPECT_EQ(probe.timers.front(), 3);
    EXPECT_EQ(probe.timers.back(), 5);
}

TEST_F(QtBackend, PaintingGoesThroughTheBufferAndTheInvalidatedRegion) {
    ASSERT_TRUE(probe.create(WindowKind::Dialog, nullptr, {10, 10, 60, 40}));
    probe.show();
    for (int i = 0; i < 20 && probe.clips.empty(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QImage shot = Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(30, 20), QColor(Qt::green));
    probe.colour = Qt::blue;
    probe.clips.clear();
    probe.invalidate(QRect(0, 0, 10, 10));
    for (int i = 0; i < 20 && probe.clips.empty(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    ASSERT_FALSE(probe.clips.empty());
    EXPECT_EQ(probe.clips.back(), QRect(0, 0, 10, 10));  // only what was invalidated
    EXPECT_EQ(probe.geometry(), QRect(10, 10, 60, 40));
}

TEST_F(QtBackend, KeysReachHooksFiltersAndEditFields) {
    ASSERT_TRUE(probe.create(WindowKind::Dialog, nullptr, {10, 10, 200, 80}));
    auto edit = probe.createEditField(2017, QRect(10, 10, 80, 20));
    ASSERT_NE(edit, nullptr);
    probe.show();
    KeyboardHook hook;
    hook.StartHook(probe);
    auto* line = Widget()->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    for (const auto& [key, text] :
         {std::pair{Qt::Key_5, QString("5")}, std::pair{Qt::Key_X, QString("x")}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(line, &press);
        QCoreApplication::sendEvent(line, &release);
    }
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QCoreApplication::sendEvent(line, &shift);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->text(), u"5");  // the x was swallowed by the filter
    EXPECT_EQ(probe.edits, 1);
    ASSERT_GE(probe.keys.size(), 2u);
    EXPECT_EQ(probe.keys[0].action, KeyAction::Down);
    EXPECT_EQ(probe.keys[0].vk, 0x35);
    EXPECT_EQ(probe.keys[0].editId, 2017);
    EXPECT_EQ(probe.keys[1].action, KeyAction::Char);
    EXPECT_EQ(probe.keys[1].ch, u'5');
    EXPECT_EQ(probe.keys.back().vk, 0x10);  // filters see the generic Shift
    std::vector<std::pair<uintptr_t, bool>> hooked;
    for (const Message& m : probe.messages) {
        if (m.id == kHookKeyMessage)
            hooked.emplace_back(m.wparam, (m.lparam & kHookReleaseBit) != 0);
    }
    const std::vector<std::pair<uintptr_t, bool>> expected = {
        {0x35, false}, {0x35, true}, {0x58, false}, {0x58, true}, {0xA0, false}};
    EXPECT_EQ(hooked, expected);
}

TEST(QtKeys, ScanCodesAreEvdevCodesPlusEightOnXcbAndWayland) {
    // Right Ctrl: evdev 97, X keycode 105.
    EXPECT_EQ(vkFromKeyValues(Qt::Key_Control, false, 105, true, true), 0xA3);
    EXPECT_EQ(vkFromKeyValues(Qt::Key_Control, false, 105, true, false), 0x11);
    // Without positions the Qt key decides; a sided modifier is taken as the left one.
    EXPECT_EQ(vkFromKeyValues(Qt::Key_Control, false, 105, false, true), 0xA2);
    // A position without a code of its own falls back to the Qt key.
    EXPECT_EQ(vkFromKeyValues(Qt::Key_Q, false, 8 + 240, true, true), 0x51);
    // The key at the Q position is Q whatever the layout says.
    EXPECT_EQ(vkFromKeyValues(Qt::Key_A, false, 8 + 16, true, true), 0x51);
}

TEST(QtInstance, ASecondStartAsksTheFirstToShowItselfAndLearnsToExit) {
    vexmo::testing::EnsureQtApp();
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    {
        QtServices services;
        auto first = services.claimInstance("20210610 Mouse 33XX");
        ASSERT_TRUE(first->isFirst());
        EXPECT_TRUE(QFile::exists(InstanceLockPath("20210610 Mouse 33XX")));
        std::atomic<int> activations = 0;
        first->onActivationRequest([&] { ++activations; });
        auto second = services.claimInstance("20210610 Mouse 33XX");
        EXPECT_FALSE(second->isFirst());
        std::atomic<bool> answered = false;
        std::atomic<bool> done = false;
        std::thread starter([&] {
            answered = second->requestActivation();
            done = true;
        });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        starter.join();
        EXPECT_TRUE(answered);
        EXPECT_EQ(activations, 1);
        first.reset();
        EXPECT_TRUE(services.claimInstance("20210610 Mouse 33XX")->isFirst());
    }
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

TEST(QtMouseSettings, UsesAnInstalledPanelOrNothing) {
    vexmo::testing::EnsureQtApp();
    QTemporaryDir bin;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    EXPECT_TRUE(QtServices::MouseSettingsCommand().isEmpty());
    QFile panel(bin.path() + "/kcmshell5");
    ASSERT_TRUE(panel.open(QIODevice::WriteOnly));
    panel.write("#!/bin/sh\n");
    panel.close();
    panel.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QtServices::MouseSettingsCommand(),
              (QStringList{bin.path() + "/kcmshell5", "kcm_mouse"}));
    qputenv("PATH", oldPath);
}

}  // namespace
}  // namespace vexmo::platform::qt
