#include "app/LanguageFiles.h"

#include <filesystem>

#include "app/LanguageTable.h"
#include "ui/CStdioFileEx.h"

namespace vexmo {

namespace {

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// Writes the UTF-16LE file with the given lines unless a file of that name is already there.
void installOnce(const std::string& path, const Text& content) {
    if (exists(path)) return;
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kCreateFlags)) return;
    file.WriteString(content);
    file.Close();
}

// "[Setting]" and the source's non-empty lines; a blank line would end the language load.
Text languageFile(BuiltinLanguage language) {
    Text content = u"[Setting]\n";
    const std::string_view source = BuiltinLanguageSource(language);
    size_t start = 0;
    while (start < source.size()) {
        size_t end = source.find('\n', start);
        if (end == std::string_view::npos) end = source.size();
        std::string_view line = source.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!line.empty()) content += fromUtf8(line) + u"\n";
        start = end + 1;
    }
    return content;
}

}  // namespace

void InstallLanguageFiles(const std::string& dataDirectory, const std::string& locale) {
    const std::string config = dataDirectory + "config/";
    std::error_code ec;
    std::filesystem::create_directories(config, ec);
    installOnce(config + "Lan_EN.txt", languageFile(BuiltinLanguage::English));
    installOnce(config + "Lan.txt", languageFile(BuiltinLanguage::Chinese));
    const bool chinese = locale.starts_with("zh");
    installOnce(config + "LanSetting.ini",
                chinese ? u"[ChangeLanguage]\nLanguage=CN\n" : u"[ChangeLanguage]\nLanguage=EN\n");
}

}  // namespace vexmo
