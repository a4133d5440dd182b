// Feeds arbitrary bytes to the language loader: the first byte chooses whether they become the
// selection file (odd) or the default language file (even).
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzFiles.h"
#include "app/LanguageTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = vexmo::fuzz::ScratchPath("data/");
    static const bool made = std::filesystem::create_directories(dir + "config");
    (void)made;
    static const uint8_t english[] =
        "\xFF\xFE[\0S\0e\0t\0t\0i\0n\0g\0]\0\n\0"
        "1\0=\0x\0\n\0";
    if (size == 0) return 0;
    const bool selection = (data[0] & 1) != 0;
    std::filesystem::remove(dir + "config/LanSetting.ini");
    vexmo::fuzz::WriteBytes(dir + "config/Lan_EN.txt", english, sizeof english - 1);
    if (selection) {
        vexmo::fuzz::WriteBytes(dir + "config/LanSetting.ini", data + 1, size - 1);
        vexmo::fuzz::WriteBytes(dir + "config/Lan.txt", english, sizeof english - 1);
    } else {
        vexmo::fuzz::WriteBytes(dir + "config/Lan.txt", data + 1, size - 1);
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
