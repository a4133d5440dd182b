// One QApplication for a test program (fonts and widgets need it); created on first use.
#pragma once

#include <QApplication>

namespace vexmo::testing {

inline QApplication& EnsureQtApp() {
    static int argc = 1;
    static char arg0[] = "vexmo-tests";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = [] {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace vexmo::testing
