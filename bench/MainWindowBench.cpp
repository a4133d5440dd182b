// The real main window at UiScale 2.0 (a 2560 x 1700 screen) on the simulated mouse: a full
// repaint (budget 8 ms) and the repaint after the pointer moves onto a button slot (1 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/CVexmoDlg.h"
#include "base/Clock.h"
#include "device/hid/VirtualMouse.h"
#include "platform/test/TestServices.h"
#include "ui/UiEnvironment.h"

namespace {

using namespace vexmo;

struct MainWindow {
    MainWindow() {
        services.setWorkArea(QRect(0, 0, 2560, 1700));
        services.setDesignScale(2.0);
        ui::UiEnvironment env;
        env.appDirectory = VEXMO_BENCH_APP_DIR;
        ui::SetEnv(env);
        data = std::filesystem::temp_directory_path() / "vexmo-bench-main";
        std::filesystem::remove_all(data);
        window = std::make_unique<CVexmoDlg>(AppOptions{data.string() + "/", "en_US"}, mouse);
        window->Create(nullptr);
        services.advance(1000);
        host = &services.host(*window);
        host->flushPaint();
    }
    ~MainWindow() {
        window->destroy();
        window->Shutdown();
        std::filesystem::remove_all(data);
    }
    platform::test::TestServices services;
    ManualClock clock;
    hid::VirtualMouse mouse{clock};
    std::filesystem::path data;
    std::unique_ptr<CVexmoDlg> window;
    platform::test::TestWindow* host = nullptr;
};

void FullRepaint(benchmark::State& state) {
    MainWindow main;
    for (auto _ : state) {
        main.window->invalidate();
        main.host->flushPaint();
    }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);

void HoverButtonSlot(benchmark::State& state) {
    MainWindow main;
    bool inside = false;
    for (auto _ : state) {
        // Alternately onto button slot 2 and back onto the empty middle of the window.
        inside = !inside;
        if (inside) main.host->moveDesign(150, 117);
        else main.host->moveDesign(300, 600);
        main.host->flushPaint();
    }
}
BENCHMARK(HoverButtonSlot)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
