// Shared set-up of the settings tests: a data directory per test, the language texts the golden
// files were made with, and golden file access.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "app/LanguageTable.h"
#include "settings/ConfigModel.h"

namespace vexmo::test {

// The texts the golden default profile uses.
inline LanguageTable testLanguage() {
    LanguageTable t;
    const std::pair<int, const char*> texts[] = {
        {20, "Left click"}, {21, "Right click"}, {22, "Middle click"}, {23, "Forward"},
        {24, "Back"},       {42, "DPI loop"},    {85, "配置文件1"},    {86, "Profile 2"},
        {87, "Profile 3"},  {88, "Profile 4"},   {89, "Profile 5"},    {100, "Breathing"},
    };
    for (const auto& [n, text] : texts)
        t.set(n, fromUtf8(text));
    return t;
}

inline std::string golden(const std::string& name) {
    return readBytes(std::string(VEXMO_TEST_DATA) + "/settings/" + name);
}

inline std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A ConfigModel on a fresh data directory with its config folder.
class ConfigFixture : public ::testing::Test {
protected:
    ConfigFixture() {
        model.dataDirectory = tmp.dir();
        model.language = testLanguage();
        std::filesystem::create_directories(tmp.dir() + "config");
    }
    std::string config(const std::string& name) const { return tmp.dir() + "config/" + name; }
    std::string profileFile(int slot) const {
        return config("default" + std::to_string(slot) + ".psf");
    }
    // The default settings file for this data directory.
    std::string defaultConfigBytes() const {
        return markedUtf16(replaceAll(golden("default_config.ini.txt"), "@DATA@", tmp.dir()));
    }

    TempDir tmp;
    ConfigModel model;
};

}  // namespace vexmo::test
