#include "app/LanguageTable.h"

#include "ui/CStdioFileEx.h"

namespace vexmo {

namespace {

const Text kEmpty;

// The language code named by config/LanSetting.ini; empty when the file does not open.
Text languageCode(const std::string& dataDirectory) {
    CStdioFileEx file;
    if (!file.Open(dataDirectory + "config/LanSetting.ini", CStdioFileEx::kReadFlags)) return {};
    Text line;
    file.ReadString(line);
    if (line != u"[ChangeLanguage]") return line;
    file.ReadString(line);
    const size_t eq = findChar(line, u'=');
    if (eq != Text::npos && eq != 0 && eq + 1 != line.size()) return line.substr(eq + 1);
    return line;
}

}  // namespace

const Text& LanguageTable::text(int n) const {
    if (n < 0 || n >= kSize) return kEmpty;
    return texts_[static_cast<size_t>(n)];
}

void LanguageTable::set(int n, Text value) {
    if (n < 0 || n >= kSize) return;
    texts_[static_cast<size_t>(n)] = std::move(value);
}

bool LanguageTable::load(const std::string& dataDirectory, double uiScale) {
    const bool english = languageCode(dataDirectory) == u"EN";
    CStdioFileEx file;
    if (!file.Open(dataDirectory + (english ? "config/Lan_EN.txt" : "config/Lan.txt"),
                   CStdioFileEx::kReadFlags)) {
        return false;
    }
    Text line;
    if (!file.ReadString(line) || line != u"[Setting]") return false;
    while (file.ReadString(line)) {
        const size_t eq = findChar(line, u'=');
        if (eq == Text::npos || eq == 0 || eq + 1 == line.size()) return false;
        // Numbers outside the table have no entry and are skipped.
        const long n = parseDec(TextView(line).substr(0, eq));
        if (n >= 0 && n < kSize) set(static_cast<int>(n), line.substr(eq + 1));
    }
    if (text(0) == u"\u4E2D\u6587") {  // 中文
        font_ = {u"\u5B8B\u4F53", static_cast<int>(12 * uiScale), 134};
    } else {
        font_ = {u"Tahoma", static_cast<int>(16 * uiScale), 1};
    }
    return true;
}

}  // namespace vexmo
