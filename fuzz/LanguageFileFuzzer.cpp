// Feeds arbitrary bytes to the language loader: the first byte chooses whether they become the
// selection file (odd) or the default language file (even).
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/LanguageTable.h"

namespace {

std::string dataDirectory() {
    const char* dir = std::getenv("TMPDIR");
    const std::string path = std::string(dir != nullptr ? dir : "/tmp") + "/vexmo-lan-fuzz-" +
                             std::to_string(getpid()) + "/";
    std::filesystem::create_directories(path + "config");
    return path;
}

void write(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = dataDirectory();
    static const uint8_t english[] =
        "\xFF\xFE[\0S\0e\0t\0t\0i\0n\0g\0]\0\n\0"
        "1\0=\0x\0\n\0";
    if (size == 0) return 0;
    const bool selection = (data[0] & 1) != 0;
    std::filesystem::remove(dir + "config/LanSetting.ini");
    write(dir + "config/Lan_EN.txt", english, sizeof english - 1);
    if (selection) {
        write(dir + "config/LanSetting.ini", data + 1, size - 1);
        write(dir + "config/Lan.txt", english, sizeof english - 1);
    } else {
        write(dir + "config/Lan.txt", data + 1, size - 1);
    }

    vexmo::LanguageTable table;
    const bool ok = table.load(dir, 1.5);
    if (selection && !ok) std::abort();  // both language files are sound
    for (int n = -1; n <= vexmo::LanguageTable::kSize; ++n) {
        volatile size_t length = table.text(n).size();
        (void)length;
    }
    const int height = table.font().height;
    if (height != 12 && height != 18 && height != 24) std::abort();
    return 0;
}
