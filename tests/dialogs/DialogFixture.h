// Test fixture of the secondary dialogs: the test backend, the generated skins of the build, a
// small language table and the layout scale.
#pragma once

#include <gtest/gtest.h>

#include "app/LanguageTable.h"
#include "app/OpenDialogList.h"
#include "platform/QtTestApp.h"
#include "platform/test/TestServices.h"
#include "ui/UiEnvironment.h"

namespace vexmo::testing {

constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkLeft = 0x25;
constexpr int kVkRight = 0x27;

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApp();
        SetScale(1.0);
        language.set(4, u"OK");
        language.set(5, u"Cancel");
        language.set(140, u"Restore the factory settings?");
        language.set(273, u"DPI Value");
        OpenDialogs().Clear();
    }
    void TearDown() override { OpenDialogs().Clear(); }

    void SetScale(double scale, const Text& face = u"Tahoma") {
        ui::UiEnvironment env;
        env.uiScale = scale;
        env.appDirectory = VEXMO_BINARY_DIR "/";
        env.uiFont = UiFont{face, static_cast<int>(16 * scale), 1};
        ui::SetEnv(env);
        services.setDesignScale(scale);
    }

    platform::test::TestWindow& host(const platform::Window& window) {
        return services.host(window);
    }

    platform::test::TestServices services;  // first: outlives every window
    LanguageTable language;
};

}  // namespace vexmo::testing
