// Feeds arbitrary bytes to the settings file reader. A file it reads with all sixteen entries must
// survive a write and a second read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFiles.h"
#include "settings/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = vexmo::fuzz::ScratchPath("in.ini");
    static const std::string output = vexmo::fuzz::ScratchPath("out.ini");
    vexmo::fuzz::WriteBytes(input, data, size);

    vexmo::SettingsStore store;
    const bool ok = store.ReadFile(input);
    // Every getter copes with whatever text was read.
    volatile long sink = store.Sensor() + store.PreST() + store.CurrentProfile() +
                         store.ProfileShowCount() +
                         static_cast<long>(store.ProfileSlotPath(0).size());
    for (int i = -1; i <= vexmo::SettingsStore::kSlots; ++i)
        sink = sink + store.ProfileShowList(i);
    if (store.CurrentProfile() < 0 || store.CurrentProfile() > 4) std::abort();

    if (ok && !store.entry(vexmo::SettingsStore::kEntries - 1).key.empty()) {
        if (!store.SaveSettings(output)) std::abort();
        vexmo::SettingsStore again;
        if (!again.ReadFile(output)) std::abort();
        for (int i = 0; i < vexmo::SettingsStore::kEntries; ++i) {
            if (!(again.entry(i) == store.entry(i))) std::abort();
        }
    }
    return 0;
}
