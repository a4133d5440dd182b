// Test fixture of the toolkit: the test backend, a temporary program folder with small skin
// images, the toolkit environment at a chosen scale, and a dialog that records its messages.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "platform/QtTestApp.h"
#include "platform/test/TestServices.h"
#include "ui/CDlgBase.h"
#include "ui/UiEnvironment.h"

namespace vexmo::ui::testing {

struct Sent {
    uint32_t id;
    uintptr_t wparam;
    intptr_t lparam;
    bool operator==(const Sent&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Sent& m) {
    return os << "{" << m.id << ", " << m.wparam << ", " << m.lparam << "}";
}

// A dialog whose controls the test adds and which records every message it receives.
class RecordingDialog : public CDlgBase {
public:
    intptr_t onMessage(const platform::Message& m) override {
        sent.push_back({m.id, m.wparam, m.lparam});
        if (handler) handler(m);
        return 0;
    }
    void CreateControls(const Rect& client) override {
        if (create) create(*this, client);
    }
    std::vector<Sent> sent;
    std::function<void(const platform::Message&)> handler;
    std::function<void(RecordingDialog&, const Rect&)> create;
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        vexmo::testing::EnsureQtApp();
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath("skins/mouse");
        SetScale(1.0);
    }

    void SetScale(double scale) {
        UiEnvironment env;
        env.uiScale = scale;
        env.appDirectory = dir.path().toStdString() + "/";
        env.uiFont = UiFont{u"Tahoma", 16, 1};
        SetEnv(env);
        services.setDesignScale(scale);
    }

    // Writes a one-colour image below the program folder (relative path).
    void MakeImage(const std::string& path, int w, int h, QColor colour) {
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(Env().appDirectory + path)));
    }

    // Creates the dialog at this size with the controls made by create.
    void Open(int w, int h, std::function<void(RecordingDialog&, const Rect&)> create) {
        dialog.create = std::move(create);
        dialog.SetSize(w, h);
        ASSERT_TRUE(dialog.Create(nullptr));
        host().flushPaint();
    }

    platform::test::TestWindow& host() { return services.host(dialog); }
    std::vector<Sent> TakeSent() { return std::exchange(dialog.sent, {}); }

    platform::test::TestServices services;  // first: outlives every window
    QTemporaryDir dir;
    RecordingDialog dialog;
};

}  // namespace vexmo::ui::testing
