#include "app/AppPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vexmo {

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/') path.push_back('/');
    return path;
}

}  // namespace

std::string DefaultDataDirectory() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.local/share";
    } else {
        base = "/tmp";
    }
    return withSlash(base) + "VexmoraData20240827B/";
}

std::string ExecutableDirectory(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = fs::absolute(argv0 ? argv0 : "", ec);
    return withSlash(exe.parent_path().string());
}

void EnsureDataDirectory(const std::string& dataDirectory) {
    std::error_code ec;
    // The folder without its trailing '/'. Its parent normally exists; a fresh account may lack
    // ~/.local/share, so that is created too.
    const fs::path data = fs::path(dataDirectory).parent_path();
    fs::create_directories(data.parent_path(), ec);
    fs::create_directory(data, ec);
    fs::create_directory(data / "config", ec);
}

}  // namespace vexmo
