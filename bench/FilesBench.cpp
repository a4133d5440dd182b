// Loading and saving what the program keeps on disk: the settings, the five profiles and a macro
// library whose root row is full (60 macros of 200 actions). Budget: 5 ms each way.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "macros/MacroLibrary.h"
#include "macros/MacroLibraryFile.h"
#include "settings/ConfigModel.h"

namespace {

using namespace vexmo;

struct Files {
    Files() {
        dir = std::filesystem::temp_directory_path() / "vexmo-bench-files";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "config");
        model.dataDirectory = dir.string() + "/";
        model.LoadSettings();
        for (int i = 0; i < MacroLibrary::kSlots; ++i) {
            MacroLocation at;
            library.AddMacro(u"Macro " + formatDec(i), at);
            MacroRecord& macro = *library.ItemAt(at)->macro;
            for (size_t a = 0; a < MacroRecord::kMaxActions; ++a)
                macro.InsertAction(a, MacroAction::key(0x41, a % 2 == 1));
        }
        libraryPath = model.dataDirectory + "config/MacroLibraryFile.mlf";
        Save();
    }
    ~Files() { std::filesystem::remove_all(dir); }
    void Save() {
        model.SaveCurrentProfileIndex();
        model.SaveAllProfiles();
        WriteMacroLibraryFile(libraryPath, library, MacroLocation::none());
    }
    std::filesystem::path dir;
    ConfigModel model;
    MacroLibrary library;
    std::string libraryPath;
};

void SaveAll(benchmark::State& state) {
    Files files;
    for (auto _ : state) files.Save();
}
BENCHMARK(SaveAll)->Unit(benchmark::kMillisecond);

void LoadAll(benchmark::State& state) {
    Files files;
    for (auto _ : state) {
        MacroLibrary library;
        ReadMacroLibraryFile(files.libraryPath, library);
        ConfigModel model;
        model.dataDirectory = files.model.dataDirectory;
        benchmark::DoNotOptimize(model.LoadSettings());
    }
}
BENCHMARK(LoadAll)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
