// An empty Qt window of the main window's size: what start-up time and memory are measured against.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty window");
    // The main window's size at UiScale 1.0, or 2.0 with a first argument of 2.
    const int scale = argc > 1 ? std::atoi(argv[1]) : 1;
    window.resize(1127 * scale, 740 * scale);
    window.show();
    return app.exec();
}
