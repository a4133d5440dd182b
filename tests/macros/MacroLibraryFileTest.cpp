#include "macros/MacroLibraryFile.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace vexmo {
namespace {

namespace fs = std::filesystem;

using Lines = std::vector<Text>;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string utf16le(TextView text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// The file's lines without their line feeds (the byte-order mark skipped).
Lines linesOf(const std::string& bytes) {
    Text text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    Lines lines;
    size_t start = 0;
    for (size_t lf; (lf = text.find(u'\n', start)) != Text::npos; start = lf + 1) {
        lines.push_back(text.substr(start, lf - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

Text joined(const Lines& lines, TextView end = u"\n") {
    Text text;
    for (const Text& line : lines)
        text += line + Text(end);
    return text;
}

// One used slot as the file sees it.
using SlotContent =
    std::tuple<int, int, int, int, std::string, int32_t, int32_t, bool, MacroRecord>;

std::vector<SlotContent> contentOf(const MacroLibrary& library) {
    std::vector<SlotContent> slots;
    library.ForEachUsedSlot([&](const MacroLocation& l, const MacroItem& item) {
        slots.emplace_back(l.stage, l.stage0Index, l.stage1Index, l.stage2Index, toUtf8(item.name),
                           item.isFolder, item.folderIsOpen, item.macro != nullptr,
                           item.macro ? *item.macro : MacroRecord{});
    });
    return slots;
}

std::vector<std::string> namesOf(const MacroLibrary& library) {
    std::vector<std::string> names;
    library.ForEachUsedSlot(
        [&](const MacroLocation&, const MacroItem& item) { names.push_back(toUtf8(item.name)); });
    return names;
}

class MacroLibraryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vexmo-macros-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "MacroLibraryFile.mlf").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void writeRaw(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    void writeLines(const Lines& lines) { writeRaw(utf16le(joined(lines))); }

    // The documented example: root folder F (closed) holding macro M, a press of A, key 3.
    static void buildExample(MacroLibrary& library) {
        library.setNextKeyIndex(3);
        MacroLocation sel;
        ASSERT_EQ(library.AddFolder(u"F", sel), 0);
        ASSERT_EQ(library.AddMacro(u"M", sel), 0);
        MacroRecord& m = *library.ItemAt(sel)->macro;
        m.InsertAction(0, MacroAction::key(0x41, false));
        m.commandActionNum = 1;
    }

    // Two root macros A and B as the writer writes them: A in lines 3..12, B in lines 13..22.
    Lines twoMacroLines() {
        MacroLibrary library;
        MacroLocation sel;
        library.AddMacro(u"A", sel);
        sel = {};
        library.AddMacro(u"B", sel);
        EXPECT_TRUE(WriteMacroLibraryFile(path, library, MacroLocation::none()));
        return linesOf(readBytes(path));
    }

    fs::path dir;
    std::string path;
    const std::string golden = VEXMO_TEST_DATA "/macros/FolderWithMacro.mlf";
};

TEST_F(MacroLibraryFileTest, WritesTheExampleByteForByte) {
    MacroLibrary library;
    buildExample(library);
    ASSERT_EQ(library.nextKeyIndex(), 4u);
    ASSERT_TRUE(WriteMacroLibraryFile(path, library, MacroLocation::none()));
    EXPECT_EQ(readBytes(path), readBytes(golden));
}

TEST_F(MacroLibraryFileTest, ReadsTheExample) {
    MacroLibrary library;
    const MacroLibraryReadResult result = ReadMacroLibraryFile(golden, library);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.nextKeyIndex, 4u);
    EXPECT_EQ(library.nextKeyIndex(), 4u);
    EXPECT_EQ(result.selected, MacroLocation::none());

    MacroLibrary expected;
    buildExample(expected);
    EXPECT_EQ(contentOf(library), contentOf(expected));
    EXPECT_EQ(library.VisibleRowCount(), 1);  // F is closed
}

TEST_F(MacroLibraryFileTest, RoundTripKeepsEveryPositionAndField) {
    MacroLibrary library;
    library.setNextKeyIndex(3000000000u);  // written with "%d", read back the same
    auto record = [](uint32_t key, uint8_t loopType, uint8_t loopNum) {
        auto r = std::make_unique<MacroRecord>();
        r->macroKeyIndex = key;
        r->loopType = loopType;
        r->loopNum = loopNum;
        return r;
    };
    auto full = record(7, 4, 255);
    for (size_t i = 0; i < MacroRecord::kMaxActions; ++i) {
        full->InsertAction(i, MacroAction::fromRaw(static_cast<uint32_t>(i * 0x01020305u + 0x80)));
    }
    full->commandActionNum = 50;
    library.SetMacroItem(MacroLocation::root(0), u"a=b \u5B8F", std::move(full));
    library.SetFolderItem(MacroLocation::root(4), u"open", 1);
    library.SetFolderItem(MacroLocation::root(59), u"odd flag", 5);
    library.SetFolderItem(MacroLocation::level1(4, 2), u"sub", 1);
    library.SetMacroItem(MacroLocation::level2(4, 2, 59), u"deep", record(9, 1, 3));
    library.SetMacroItem(MacroLocation::level2(59, 59, 0), u"under nothing", record(11, 2, 1));
    library.SetMacroItem(MacroLocation::level1(0, 1), u"under a macro", record(10, 2, 1));

    ASSERT_TRUE(WriteMacroLibraryFile(path, library, MacroLocation::level2(4, 2, 59)));
    const std::string first = readBytes(path);

    MacroLibrary back;
    const MacroLibraryReadResult result = ReadMacroLibraryFile(path, back);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.selected, MacroLocation::level2(4, 2, 59));
    EXPECT_EQ(back.nextKeyIndex(), 3000000000u);
    // A record's name is its item's name when read.
    library.ItemAt(MacroLocation::root(0))->macro->name = u"a=b \u5B8F";
    for (const auto& l : {MacroLocation::level2(4, 2, 59), MacroLocation::level2(59, 59, 0),
                          MacroLocation::level1(0, 1)}) {
        library.ItemAt(l)->macro->name = library.ItemAt(l)->name;
    }
    EXPECT_EQ(contentOf(back), contentOf(library));
    EXPECT_EQ(back.ItemAt(MacroLocation::root(4))->folderIsOpen, 1);
    EXPECT_EQ(back.ItemAt(MacroLocation::root(59))->folderIsOpen, 5);

    ASSERT_TRUE(WriteMacroLibraryFile(path, back, MacroLocation::level2(4, 2, 59)));
    EXPECT_EQ(readBytes(path), first);
}

TEST_F(MacroLibraryFileTest, EmptyLibraryIsThreeLines) {
    MacroLibrary empty;
    empty.setNextKeyIndex(17);
    ASSERT_TRUE(WriteMacroLibraryFile(path, empty, {1, 2, 3, 4}));
    EXPECT_EQ(readBytes(path),
              utf16le(u"[MacroLibrary]\nMacroKeyIndex=17\n"
                      u"Select Locaton:stage=1;stage0Index=2;stage1Index=3;stage2Index=4;\n"));

    MacroLibrary library;  // starts with an item and the counter at 1
    MacroLocation sel;
    library.AddMacro(u"old", sel);
    const MacroLibraryReadResult result = ReadMacroLibraryFile(path, library);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(library.VisibleRowCount(), 0);
    EXPECT_EQ(library.nextKeyIndex(), 17u);
    EXPECT_EQ(result.selected, MacroLocation::level1(2, 3));
}

TEST_F(MacroLibraryFileTest, ReadingIsPositional) {
    Lines lines = linesOf(readBytes(golden));
    lines[6] = u"MacroItemFolderIsOpen=1";
    lines[12] = u"\tSomethingElse=7";               // in place of MacroKeyLoopType
    lines[13] = u"\t\t\tMacroKeyLoopNum=  +42xyz";  // C-style decimal conversion
    lines[8] = u"where: a=1;b=0;c=0;d=0";           // location keys are not looked at
    lines[16] = u"\tAllAction=4 zz-1ab" + lines[16].substr(19);
    writeLines(lines);

    MacroLibrary library;
    EXPECT_TRUE(ReadMacroLibraryFile(path, library).success);
    const MacroRecord& m = *library.ItemAt(MacroLocation::level1(0, 0))->macro;
    EXPECT_EQ(m.loopType, 7);
    EXPECT_EQ(m.loopNum, 42);
    // Each hex pair converts on its own: "4 " is 4, "zz" 0, "-1" wraps to 0xFF.
    EXPECT_EQ(m.actions[0], (MacroAction{0x04, 0x00, 0xFF, 0xAB}));
    EXPECT_EQ(library.VisibleRowCount(), 2);  // F open now
}

TEST_F(MacroLibraryFileTest, ALaterBlockForTheSameSlotReplacesIt) {
    Lines lines = twoMacroLines();
    lines[14] = u"MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;";
    writeLines(lines);
    MacroLibrary library;
    EXPECT_TRUE(ReadMacroLibraryFile(path, library).success);
    EXPECT_EQ(namesOf(library), (std::vector<std::string>{"B"}));
    EXPECT_EQ(library.ItemAt(MacroLocation::root(0))->macro->macroKeyIndex, 2u);
}

TEST_F(MacroLibraryFileTest, AMalformedBlockEndsTheLoadKeepingWhatCameBefore) {
    struct Case {
        const char* what;
        size_t line;  // line of B's block (lines 13..22) to replace
        Text text;
    };
    const Text actions(MacroRecord::kMaxActions * 8, u'0');
    const Case cases[] = {
        {"name line without '='", 13, u"++++++++MacroItemName"},
        {"nothing after '='", 13, u"++++++++MacroItemName="},
        {"an empty line", 13, u""},
        {"location with three '='", 14, u"MacroItemLocation:stage=0;stage0Index=1;stage1Index=0;"},
        {"location ending in '='", 14, u"stage=0;stage0Index=1;stage1Index=0;stage2Index="},
        {"stage outside the tree", 14, u"L:stage=3;stage0Index=1;stage1Index=0;stage2Index=0;"},
        {"stage -1 for an item", 14, u"L:stage=-1;stage0Index=1;stage1Index=0;stage2Index=0;"},
        {"index past the row", 14, u"L:stage=1;stage0Index=1;stage1Index=60;stage2Index=0;"},
        {"negative index", 14, u"L:stage=2;stage0Index=1;stage1Index=0;stage2Index=-1;"},
        {"index wrapping to a slot", 14,
         u"L:stage=0;stage0Index=4294967297;stage1Index=0;stage2Index=0;"},
        {"folder flag without value", 15, u"MacroItemIsFolder="},
        {"more actions than a macro holds", 20, u"MacroActionNum=201"},
        {"negative action count", 20, u"MacroActionNum=-1"},
        {"1599 action characters", 22, u"AllAction=" + actions.substr(1)},
        {"1601 action characters", 22, u"AllAction=" + actions + u"0"},
    };
    const Lines base = twoMacroLines();
    ASSERT_EQ(base.size(), 23u);
    for (const Case& c : cases) {
        Lines lines = base;
        lines[c.line] = c.text;
        writeLines(lines);
        MacroLibrary library;
        EXPECT_FALSE(ReadMacroLibraryFile(path, library).success) << c.what;
        EXPECT_EQ(namesOf(library), (std::vector<std::string>{"A"})) << c.what;
    }
}

TEST_F(MacroLibraryFileTest, ALocationIgnoresIndexesBelowItsLevel) {
    Lines lines = twoMacroLines();
    lines[14] = u"MacroItemLocation:stage=0;stage0Index=5;stage1Index=99;stage2Index=-4;";
    writeLines(lines);
    MacroLibrary library;
    EXPECT_TRUE(ReadMacroLibraryFile(path, library).success);
    EXPECT_EQ(library.ItemAt(MacroLocation::root(5))->name, u"B");
}

TEST_F(MacroLibraryFileTest, ATruncatedFileKeepsTheCompleteBlocks) {
    for (size_t keep = 14; keep < 23; ++keep) {
        Lines lines = twoMacroLines();
        lines.resize(keep);
        writeLines(lines);
        MacroLibrary library;
        EXPECT_FALSE(ReadMacroLibraryFile(path, library).success) << keep;
        EXPECT_EQ(namesOf(library), (std::vector<std::string>{"A"})) << keep;
    }
}

TEST_F(MacroLibraryFileTest, ABadHeaderLeavesAnEmptyLibrary) {
    const Lines base = twoMacroLines();
    struct Case {
        const char* what;
        std::string bytes;
    };
    Lines lowerCase = base, noKey = base, badSelect = base;
    lowerCase[0] = u"[macrolibrary]";
    noKey[1] = u"MacroKeyIndex";
    badSelect[2] = u"Select Locaton:stage=-1;stage0Index=0;stage1Index=0";
    const Case cases[] = {
        {"carriage returns", utf16le(joined(base, u"\r\n"))},
        {"first line", utf16le(joined(lowerCase))},
        {"key index line", utf16le(joined(noKey))},
        {"location line", utf16le(joined(badSelect))},
        {"an empty file", ""},
        {"no byte-order mark", utf16le(joined(base)).substr(2)},
    };
    for (const Case& c : cases) {
        writeRaw(c.bytes);
        MacroLibrary library;
        MacroLocation sel;
        library.AddMacro(u"old", sel);
        EXPECT_FALSE(ReadMacroLibraryFile(path, library).success) << c.what;
        EXPECT_EQ(library.VisibleRowCount(), 0) << c.what;
    }
}

TEST_F(MacroLibraryFileTest, ASelectedLocationOutsideTheTreeIsNone) {
    Lines lines = twoMacroLines();
    lines[2] = u"Select Locaton:stage=7;stage0Index=0;stage1Index=0;stage2Index=0;";
    writeLines(lines);
    MacroLibrary library;
    const MacroLibraryReadResult result = ReadMacroLibraryFile(path, library);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.selected, MacroLocation::none());
    EXPECT_EQ(namesOf(library), (std::vector<std::string>{"A", "B"}));
}

TEST_F(MacroLibraryFileTest, AMissingFileLeavesTheLibraryAsItWas) {
    MacroLibrary library;
    MacroLocation sel;
    library.AddMacro(u"kept", sel);
    const MacroLibraryReadResult result =
        ReadMacroLibraryFile((dir / "missing.mlf").string(), library);
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.nextKeyIndex, 2u);
    EXPECT_EQ(namesOf(library), (std::vector<std::string>{"kept"}));
}

TEST_F(MacroLibraryFileTest, NewMacrosNeverReuseAKeyOfTheFile) {
    struct Case {
        const char16_t* counter;
        uint32_t expected;
    };
    const Case cases[] = {
        {u"MacroKeyIndex=1", 3}, {u"MacroKeyIndex=abc", 3}, {u"MacroKeyIndex=40", 40}};
    for (const Case& c : cases) {
        Lines lines = twoMacroLines();  // keys 1 and 2
        lines[1] = c.counter;
        writeLines(lines);
        MacroLibrary library;
        EXPECT_EQ(ReadMacroLibraryFile(path, library).nextKeyIndex, c.expected);
        EXPECT_EQ(library.nextKeyIndex(), c.expected);
    }
    writeLines({u"[MacroLibrary]", u"MacroKeyIndex=0",
                u"Select Locaton:stage=-1;stage0Index=0;stage1Index=0;stage2Index=0;"});
    MacroLibrary library;
    EXPECT_EQ(ReadMacroLibraryFile(path, library).nextKeyIndex, 1u);
}

TEST_F(MacroLibraryFileTest, AFailedWriteIsReportedAndKeepsTheOldFile) {
    MacroLibrary library;
    buildExample(library);
    EXPECT_FALSE(WriteMacroLibraryFile((dir / "no/such/folder.mlf").string(), library,
                                       MacroLocation::none()));
    fs::copy_file(golden, path, fs::copy_options::overwrite_existing);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    MacroLibrary empty;
    const bool written = WriteMacroLibraryFile(path, empty, MacroLocation::none());
    fs::permissions(dir, fs::perms::owner_all);
    if (geteuid() != 0) {
        EXPECT_FALSE(written);
        EXPECT_EQ(readBytes(path), readBytes(golden));
    }
}

}  // namespace
}  // namespace vexmo
