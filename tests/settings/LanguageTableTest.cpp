#include "app/LanguageTable.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "SettingsFixture.h"
#include "app/LanguageFiles.h"

namespace vexmo {
namespace {

using namespace vexmo::test;

const Text kChinese = u"\u4E2D\u6587";  // 中文
const Text kSongTi = u"\u5B8B\u4F53";   // 宋体

class LanguageTableTest : public ::testing::Test {
protected:
    std::string config(const std::string& name) const { return tmp.dir() + "config/" + name; }
    void write(const std::string& name, const std::string& utf8) {
        writeBytes(config(name), markedUtf16(utf8));
    }
    // A language file that names itself in entry 5.
    void writeLanguages() {
        write("Lan.txt", "[Setting]\n0=" + toUtf8(kChinese) + "\n5=default\n");
        write("Lan_EN.txt", "[Setting]\n0=English\n5=english\n");
    }
    TempDir tmp;
};

TEST_F(LanguageTableTest, SelectionFileChoosesTheLanguageFile) {
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "default"},
        {"[ChangeLanguage]\nLanguage=EN\n", "english"},
        {"[ChangeLanguage]\nLanguage=en\n", "default"},
        {"[ChangeLanguage]\nLanguage=EN \n", "default"},
        {"[ChangeLanguage]\r\nLanguage=EN\r\n", "default"},
        {"[ChangeLanguage]\nEN\n", "english"},   // no usable "=": the line itself
        {"[ChangeLanguage]\n=EN\n", "default"},  // "=" first: the code is "=EN"
        {"[ChangeLanguage]\nLanguage=\n", "default"},
        {"[ChangeLanguage]\n", "default"},
        {"EN\n", "english"},  // first line is not the header: it is the code
        {"[changelanguage]\nLanguage=EN\n", "default"},
        {"[ChangeLanguage]\nA=B=EN\n", "default"},  // the code is "B=EN"
    };
    for (const auto& [selection, expected] : cases) {
        SCOPED_TRACE(selection ? selection : "(no file)");
        writeLanguages();
        std::filesystem::remove(config("LanSetting.ini"));
        if (selection) write("LanSetting.ini", selection);
        LanguageTable table;
        EXPECT_TRUE(table.load(tmp.dir(), 1.0));
        EXPECT_EQ(table.text(5), fromUtf8(expected));
    }
}

TEST_F(LanguageTableTest, FontFollowsEntryZeroOnceTheFileIsReadToItsEnd) {
    struct Case {
        const char* name;
        std::string file;
        double scale;
        bool ok;
        UiFont font;
    };
    const Case cases[] = {
        {"chinese", "[Setting]\n0=中文\n", 1.5, true, {kSongTi, 18, 134}},
        {"english", "[Setting]\n0=English\n", 1.5, true, {u"Tahoma", 24, 1}},
        {"no entry zero", "[Setting]\n1=x\n", 2.0, true, {u"Tahoma", 32, 1}},
        {"header only", "[Setting]\n", 1.0, true, {u"Tahoma", 16, 1}},
        {"blank line stops the load", "[Setting]\n0=English\n\n1=late\n", 1.0, false, UiFont{}},
        {"wrong header", "[setting]\n0=English\n", 1.0, false, UiFont{}},
        {"line ending in =", "[Setting]\n0=English\n5=\n", 1.0, false, UiFont{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write("Lan.txt", c.file);
        LanguageTable table;
        EXPECT_EQ(table.load(tmp.dir(), c.scale), c.ok);
        EXPECT_EQ(table.font().face, c.font.face);
        EXPECT_EQ(table.font().height, c.font.height);
        EXPECT_EQ(table.font().charset, c.font.charset);
    }
}

TEST_F(LanguageTableTest, EntriesAreTakenByNumber) {
    write("Lan.txt",
          "[Setting]\n12=a=b\n7=first\n7=second\nx=not a number\n500=too far\n-1=negative\n"
          "99999999999999999999=huge\n 3=spaced\n499=last\n");
    LanguageTable table;
    EXPECT_TRUE(table.load(tmp.dir(), 1.0));
    EXPECT_EQ(table.text(12), u"a=b");
    EXPECT_EQ(table.text(7), u"second");
    EXPECT_EQ(table.text(0), u"not a number");
    EXPECT_EQ(table.text(3), u"spaced");
    EXPECT_EQ(table.text(499), u"last");
    EXPECT_EQ(table.text(500), u"");
    EXPECT_EQ(table.text(-1), u"");
}

TEST_F(LanguageTableTest, AFailedLoadKeepsWhatWasRead) {
    write("Lan.txt", "[Setting]\n1=kept\nbroken\n2=lost\n");
    LanguageTable table;
    EXPECT_FALSE(table.load(tmp.dir(), 1.0));
    EXPECT_EQ(table.text(1), u"kept");
    EXPECT_EQ(table.text(2), u"");
    EXPECT_EQ(table.font().face, kSongTi);
    EXPECT_EQ(table.font().height, 12);

    LanguageTable none;  // no files at all
    EXPECT_FALSE(none.load(tmp.dir() + "missing/", 1.0));
    EXPECT_EQ(none.text(0), u"");
}

TEST_F(LanguageTableTest, InstallerWritesEnglishUnlessTheLocaleIsChinese) {
    InstallLanguageFiles(tmp.dir(), "en_GB.UTF-8");
    EXPECT_EQ(readBytes(config("LanSetting.ini")), markedUtf16("[ChangeLanguage]\nLanguage=EN\n"));
    const std::string head = markedUtf16("[Setting]\n0=English\n");
    EXPECT_EQ(readBytes(config("Lan_EN.txt")).substr(0, head.size()), head);
    LanguageTable english;
    EXPECT_TRUE(english.load(tmp.dir(), 1.0));
    EXPECT_EQ(english.text(0), u"English");
    EXPECT_EQ(english.text(4), u"OK");
    EXPECT_EQ(english.font().face, u"Tahoma");

    TempDir other;
    InstallLanguageFiles(other.dir(), "zh_CN.UTF-8");
    LanguageTable chinese;
    EXPECT_TRUE(chinese.load(other.dir(), 1.0));
    EXPECT_EQ(chinese.text(0), kChinese);
    EXPECT_EQ(chinese.font().face, kSongTi);
}

TEST_F(LanguageTableTest, InstallerNeverOverwrites) {
    write("Lan.txt", "[Setting]\n0=mine\n");
    write("LanSetting.ini", "[ChangeLanguage]\nLanguage=XX\n");
    InstallLanguageFiles(tmp.dir(), "zh_TW");
    EXPECT_EQ(readBytes(config("Lan.txt")), markedUtf16("[Setting]\n0=mine\n"));
    EXPECT_EQ(readBytes(config("LanSetting.ini")), markedUtf16("[ChangeLanguage]\nLanguage=XX\n"));
    EXPECT_TRUE(std::filesystem::exists(config("Lan_EN.txt")));
}

// Every line of a source, by number.
std::map<int, std::string> sourceEntries(BuiltinLanguage language) {
    std::map<int, std::string> entries;
    std::istringstream in{std::string(BuiltinLanguageSource(language))};
    const std::regex form("([0-9]+)=(.+)");
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        EXPECT_TRUE(std::regex_match(line, m, form)) << "malformed: " << line;
        if (m.empty()) continue;
        const int n = std::stoi(m[1]);
        EXPECT_LT(n, LanguageTable::kSize);
        EXPECT_TRUE(entries.emplace(n, m[2]).second) << "twice: " << n;
    }
    return entries;
}

TEST(BuiltinLanguages, CoverEveryEntryTheProgramUses) {
    std::set<int> used = {0, 1, 2, 3, 4, 5, 34, 36, 100, 146, 155, 180, 190, 273};
    auto range = [&used](int first, int last) {
        for (int n = first; n <= last; ++n)
            used.insert(n);
    };
    range(7, 11), range(13, 32), range(40, 42), range(45, 54), range(60, 68), range(75, 80);
    range(85, 93), range(140, 147), range(150, 152), range(170, 176), range(191, 206);
    range(220, 225), range(232, 239), range(241, 243), range(245, 257), range(260, 274);

    const auto english = sourceEntries(BuiltinLanguage::English);
    const auto chinese = sourceEntries(BuiltinLanguage::Chinese);
    for (int n : used) {
        EXPECT_TRUE(english.count(n)) << "English lacks " << n;
        EXPECT_TRUE(chinese.count(n)) << "Chinese lacks " << n;
    }
    std::set<int> en, zh;
    for (const auto& e : english)
        en.insert(e.first);
    for (const auto& e : chinese)
        zh.insert(e.first);
    EXPECT_EQ(en, zh);
    EXPECT_EQ(english.at(0), "English");
    EXPECT_EQ(chinese.at(0), "中文");
    // The sleep-time label is composed as 266 + minutes + 267.
    EXPECT_EQ(english.at(266) + "6" + english.at(267), "Sleep after 6 minutes");
}

TEST(BuiltinLanguages, InstalledFilesLoadEveryEntry) {
    for (const auto& [locale, language] :
         {std::pair{"C", BuiltinLanguage::English}, std::pair{"zh_CN", BuiltinLanguage::Chinese}}) {
        TempDir tmp;
        InstallLanguageFiles(tmp.dir(), locale);
        LanguageTable table;
        ASSERT_TRUE(table.load(tmp.dir(), 1.0)) << locale;
        for (const auto& [n, text] : sourceEntries(language))
            EXPECT_EQ(toUtf8(table.text(n)), text);
    }
}

}  // namespace
}  // namespace vexmo
