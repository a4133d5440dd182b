// Vexmo: configuration tool for the dual-mode gaming mouse.

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/AppPaths.h"
#include "app/CVexmoApp.h"
#include "platform/qt/QtServices.h"
#include "ui/UiEnvironment.h"

namespace {

void usage() {
    std::puts(
        "usage: vexmo [--demo]\n"
        "  --demo   run on the built-in simulated mouse instead of the real one\n"
        "environment:\n"
        "  VEXMO_HID_TRACE=FILE     append every HID report exchanged to FILE\n"
        "  VEXMO_DEMO_CONTROL=FIFO  with --demo: commands for the simulated mouse, one a line\n"
        "                           (dpi-button LEVEL, polling-button CODE, unplug|plug "
        "5b2e|5b2f,\n"
        "                           battery PERCENT STATE, sensor CODE)");
}

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
    vexmo::CVexmoApp::Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--demo") == 0) {
            options.demo = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            usage();
            return 0;
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            std::fprintf(stderr, "vexmo: unknown option %s\n", argv[i]);
            usage();
            return 2;
        }
    }
    // The layout scale is the program's own, so skins are drawn 1:1; screen positions need X11
    // (a Wayland session runs the program through XWayland unless the user chose otherwise).
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("vexmo");
    QApplication::setDesktopFileName("vexmo");
    vexmo::platform::qt::QtServices services;

    vexmo::ui::UiEnvironment environment;
    environment.appDirectory = vexmo::ExecutableDirectory(argv[0]);
    vexmo::ui::SetEnv(environment);

    options.dataDirectory = vexmo::DefaultDataDirectory();
    options.locale = QLocale::system().name().toStdString();
    options.tracePath = env("VEXMO_HID_TRACE");
    if (options.demo) options.controlPath = env("VEXMO_DEMO_CONTROL");
    return vexmo::CVexmoApp(options).Run();
}
