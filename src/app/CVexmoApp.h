// The program: one instance per user (a second start brings the running window to the front and
// exits), the HID access, the main window run to its end, and SIGTERM and SIGINT ending it the
// way the tray's exit does.
#pragma once

#include <string>

namespace vexmo {

class CVexmoApp {
public:
    struct Options {
        bool demo = false;
        std::string dataDirectory;
        std::string locale;
        std::string tracePath;
        std::string controlPath;
    };

    explicit CVexmoApp(Options options) : options_(std::move(options)) {}
    // Returns the process's exit status.
    int Run();

private:
    Options options_;
};

}  // namespace vexmo
