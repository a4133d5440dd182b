// Paint cost of the skinned toolkit at UiScale 2.0 in a 2254 x 1480 window laid out like the main
// window: one hovered control repainted (budget 1 ms) and the whole window repainted (8 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "SampleWindow.h"
#include "platform/test/TestServices.h"
#include "ui/UiEnvironment.h"

namespace {

using namespace vexmo;

struct Fixture {
    Fixture() {
        ui::UiEnvironment env;
        env.uiScale = 2.0;
        env.appDirectory = VEXMO_BENCH_APP_DIR;
        env.uiFont = UiFont{u"Tahoma", 32, 1};
        ui::SetEnv(env);
        window = std::make_unique<gallery::SampleWindow>();
        window->Create(nullptr);
        host = &services.host(*window);
        host->flushPaint();
    }
    platform::test::TestServices services;
    std::unique_ptr<gallery::SampleWindow> window;
    platform::test::TestWindow* host = nullptr;
};

Fixture& Shared() {
    static int argc = 1;
    static char name[] = "vexmo_paint_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    static Fixture fixture;
    (void)app;
    return fixture;
}

// The pointer rests on a button slot; its rectangle is repainted (what a hover notice costs).
void BM_RepaintHoveredControl(benchmark::State& state) {
    Fixture& f = Shared();
    ui::CControlBase* slot = f.window->FindControl(2014);
    const QRect r = slot->qrect();
    f.host->mouseMove(r.center().x(), r.center().y());
    f.host->flushPaint();
    for (auto _ : state) {
        f.window->invalidate(r);
        f.host->flushPaint();
    }
    state.counters["controls"] = f.window->ControlCount();
}
BENCHMARK(BM_RepaintHoveredControl)->Unit(benchmark::kMicrosecond);

// The pointer moves onto a control and off it again: dispatch plus two repaints of its area.
void BM_HoverEnterAndLeave(benchmark::State& state) {
    Fixture& f = Shared();
    const QRect r = f.window->FindControl(2062)->qrect();
    for (auto _ : state) {
        f.host->mouseMove(r.center().x(), r.center().y());
        f.host->flushPaint();
        f.host->mouseMove(r.left() - 20, r.top() - 20);
        f.host->flushPaint();
    }
}
BENCHMARK(BM_HoverEnterAndLeave)->Unit(benchmark::kMicrosecond);

// The whole window (after a section header click).
void BM_FullRepaint(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        f.window->invalidate();
        f.host->flushPaint();
    }
    state.counters["controls"] = f.window->ControlCount();
    state.counters["width"] = f.window->clientRect().width();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
