#include "macros/MacroLibrary.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vexmo {
namespace {

using Rows = std::vector<std::string>;

// The tree view's rows as names with one '>' per level.
Rows visibleRows(const MacroLibrary& library) {
    Rows rows;
    for (int r = 0; r < library.VisibleRowCount(); ++r) {
        const MacroLocation location = library.RowToLocation(r);
        rows.push_back(std::string(static_cast<size_t>(location.stage), '>') +
                       toUtf8(library.ItemAt(location)->name));
    }
    return rows;
}

uint32_t keyAt(const MacroLibrary& library, const MacroLocation& location) {
    const MacroItem* item = library.ItemAt(location);
    return item != nullptr && item->macro != nullptr ? item->macro->macroKeyIndex : 0;
}

void openFolder(MacroLibrary& library, const MacroLocation& location) {
    library.ItemAt(location)->folderIsOpen = 1;
}

// A root folder F (open) holding macro x and an open level-1 folder G with macro z, plus a root
// macro A before F and B after it.
class LibraryTree : public ::testing::Test {
protected:
    void SetUp() override {
        MacroLocation sel;
        ASSERT_EQ(lib.AddMacro(u"A", sel), 0);
        sel = {};
        ASSERT_EQ(lib.AddFolder(u"F", sel), 0);
        f = sel;
        openFolder(lib, f);
        sel = f;
        ASSERT_EQ(lib.AddMacro(u"x", sel), 0);
        sel = f;
        ASSERT_EQ(lib.AddFolder(u"G", sel), 0);
        g = sel;
        openFolder(lib, g);
        sel = g;
        ASSERT_EQ(lib.AddMacro(u"z", sel), 0);
        z = sel;
        sel = {};
        ASSERT_EQ(lib.AddMacro(u"B", sel), 0);
    }

    MacroLibrary lib;
    MacroLocation f, g, z;
};

TEST(MacroLibrary, NewLibraryAddsWithIncreasingKeys) {
    MacroLibrary lib;
    EXPECT_EQ(lib.VisibleRowCount(), 0);
    EXPECT_EQ(lib.nextKeyIndex(), 1u);

    MacroLocation sel;
    EXPECT_EQ(lib.AddMacro(u"A", sel), 0);
    EXPECT_EQ(sel, MacroLocation::root(0));
    EXPECT_EQ(keyAt(lib, sel), 1u);
    EXPECT_EQ(lib.ItemAt(sel)->macro->name, u"A");
    EXPECT_EQ(lib.ItemAt(sel)->isFolder, 0);

    MacroLocation again;
    EXPECT_EQ(lib.AddMacro(u"A", again), 1);
    EXPECT_EQ(again, MacroLocation::none());

    MacroLocation b;
    EXPECT_EQ(lib.AddMacro(u"B", b), 0);
    EXPECT_EQ(b, MacroLocation::root(1));
    EXPECT_EQ(keyAt(lib, b), 2u);
    EXPECT_EQ(lib.nextKeyIndex(), 3u);
}

TEST(MacroLibrary, NamesCompareExactly) {
    MacroLibrary lib;
    MacroLocation sel;
    ASSERT_EQ(lib.AddMacro(u"Macro", sel), 0);
    sel = {};
    EXPECT_EQ(lib.AddMacro(u"macro", sel), 0);
    EXPECT_TRUE(lib.NameExistsAtLevel(MacroLocation::root(5), u"Macro"));
    EXPECT_FALSE(lib.NameExistsAtLevel(MacroLocation::root(0), u"MACRO"));
}

TEST(MacroLibrary, EmptyNameCountsAsPresentWhereASlotIsFree) {
    MacroLibrary lib;
    MacroLocation sel;
    EXPECT_EQ(lib.AddMacro(u"", sel), 1);
    EXPECT_EQ(lib.AddFolder(u"", sel), 1);
    EXPECT_EQ(lib.VisibleRowCount(), 0);
    EXPECT_TRUE(lib.NameExistsAtLevel(MacroLocation::level2(4, 5, 6), u""));
}

TEST_F(LibraryTree, PlacementFollowsTheSelectedFolder) {
    EXPECT_EQ(visibleRows(lib), (Rows{"A", "F", ">x", ">G", ">>z", "B"}));
    EXPECT_EQ(f, MacroLocation::root(1));
    EXPECT_EQ(g, MacroLocation::level1(1, 1));
    EXPECT_EQ(z, MacroLocation::level2(1, 1, 0));

    // A selected macro, at any level, sends new items to the root.
    for (const MacroLocation& macro : {MacroLocation::level1(1, 0), z, MacroLocation::root(0)}) {
        MacroLocation sel = macro;
        const std::u16string name = u"new" + formatDec(macro.stage);
        ASSERT_EQ(lib.AddMacro(name, sel), 0);
        EXPECT_EQ(sel.stage, 0);
        EXPECT_EQ(lib.ItemAt(sel)->name, name);
    }
}

TEST_F(LibraryTree, DuplicateTestUsesTheInsertionRow) {
    EXPECT_TRUE(lib.NameExistsAtInsertionLevel(f, u"x"));
    EXPECT_FALSE(lib.NameExistsAtInsertionLevel(f, u"A"));
    EXPECT_TRUE(lib.NameExistsAtInsertionLevel(g, u"z"));
    EXPECT_TRUE(lib.NameExistsAtInsertionLevel(z, u"A"));  // a macro: the root row
    EXPECT_TRUE(lib.NameExistsAtLevel(z, u"z"));
    EXPECT_FALSE(lib.NameExistsAtLevel(z, u"x"));

    MacroLocation sel = f;
    EXPECT_EQ(lib.AddMacro(u"x", sel), 1);
    EXPECT_EQ(sel, f);
    sel = f;
    EXPECT_EQ(lib.AddMacro(u"A", sel), 0);
    EXPECT_EQ(sel, MacroLocation::level1(1, 2));
}

TEST_F(LibraryTree, FoldersNestTwoLevelsDeep) {
    const uint32_t next = lib.nextKeyIndex();
    MacroLocation sel = g;
    EXPECT_EQ(lib.AddFolder(u"z", sel), 0);  // no duplicate reported either
    EXPECT_EQ(lib.AddFolder(u"deeper", sel), 0);
    EXPECT_EQ(sel, g);
    EXPECT_EQ(visibleRows(lib), (Rows{"A", "F", ">x", ">G", ">>z", "B"}));

    sel = f;
    EXPECT_EQ(lib.AddFolder(u"H", sel), 0);
    EXPECT_EQ(sel, MacroLocation::level1(1, 2));
    const MacroItem* h = lib.ItemAt(sel);
    EXPECT_EQ(h->isFolder, 1);
    EXPECT_EQ(h->folderIsOpen, 0);
    EXPECT_EQ(h->macro, nullptr);

    sel = z;  // a macro: a new folder goes to the root
    EXPECT_EQ(lib.AddFolder(u"R", sel), 0);
    EXPECT_EQ(sel, MacroLocation::root(3));
    EXPECT_EQ(lib.nextKeyIndex(), next);  // folders take no key
}

TEST(MacroLibrary, AFullRowAddsNothing) {
    MacroLibrary lib;
    MacroLocation folder;
    lib.AddFolder(u"F", folder);
    for (int i = 0; i < MacroLibrary::kSlots; ++i) {
        MacroLocation sel = folder;
        ASSERT_EQ(lib.AddMacro(u"m" + formatDec(i), sel), 0);
    }
    const uint32_t next = lib.nextKeyIndex();
    MacroLocation sel = folder;
    EXPECT_EQ(lib.AddMacro(u"one more", sel), 0);
    EXPECT_EQ(sel, folder);
    EXPECT_EQ(lib.nextKeyIndex(), next);
    EXPECT_FALSE(lib.NameExistsAtLevel(MacroLocation::level1(0, 0), u"one more"));
    EXPECT_EQ(lib.AddMacro(u"m59", sel), 1);  // the duplicate test still answers
}

TEST(MacroLibrary, DeletingARootItemKeepsTheFollowingSubtreesTogether) {
    MacroLibrary lib;
    MacroLocation sel;
    lib.AddMacro(u"A", sel);
    MacroLocation f;
    lib.AddFolder(u"F", f);
    for (const char16_t* child : {u"x", u"y"}) {
        sel = f;
        lib.AddMacro(child, sel);
    }
    sel = {};
    lib.AddMacro(u"B", sel);
    openFolder(lib, f);
    ASSERT_EQ(visibleRows(lib), (Rows{"A", "F", ">x", ">y", "B"}));

    lib.DeleteItem(MacroLocation::root(0));
    EXPECT_EQ(visibleRows(lib), (Rows{"F", ">x", ">y", "B"}));
    EXPECT_EQ(lib.ItemAt(MacroLocation::level1(0, 1))->name, u"y");
    EXPECT_FALSE(lib.ItemAt(MacroLocation::root(2))->isUsed());
    EXPECT_FALSE(lib.ItemAt(MacroLocation::level1(1, 0))->isUsed());
}

TEST_F(LibraryTree, DeletingAFolderRemovesItsWholeSubtree) {
    const uint32_t zKey = keyAt(lib, z);
    lib.DeleteItem(f);
    EXPECT_EQ(visibleRows(lib), (Rows{"A", "B"}));
    EXPECT_FALSE(lib.FindMacroByKeyIndex(zKey).has_value());
    // B moved into F's slot without F's children.
    EXPECT_FALSE(lib.ItemAt(MacroLocation::level1(1, 0))->isUsed());
    EXPECT_FALSE(lib.ItemAt(MacroLocation::level2(1, 1, 0))->isUsed());
}

TEST_F(LibraryTree, DeletingALevel1ItemMovesTheLevel2RowsWithTheirParents) {
    lib.DeleteItem(MacroLocation::level1(1, 0));  // x
    EXPECT_EQ(visibleRows(lib), (Rows{"A", "F", ">G", ">>z", "B"}));
    EXPECT_EQ(lib.ItemAt(MacroLocation::level2(1, 0, 0))->name, u"z");
    EXPECT_FALSE(lib.ItemAt(MacroLocation::level2(1, 1, 0))->isUsed());

    lib.DeleteItem(MacroLocation::level1(1, 0));  // G with z
    EXPECT_EQ(visibleRows(lib), (Rows{"A", "F", "B"}));
}

TEST_F(LibraryTree, DeletingALevel2ItemClosesTheGap) {
    for (const char16_t* name : {u"z2", u"z3"}) {
        MacroLocation sel = g;
        lib.AddMacro(name, sel);
    }
    lib.DeleteItem(z);
    EXPECT_EQ(visibleRows(lib), (Rows{"A", "F", ">x", ">G", ">>z2", ">>z3", "B"}));
    EXPECT_EQ(lib.ItemAt(MacroLocation::level2(1, 1, 1))->name, u"z3");
}

TEST(MacroLibrary, DeletingTheLastSlotFreesWhatHangsBelowIt) {
    MacroLibrary lib;
    // Items a file placed below macros (hidden, since their parents are no folders), in the last
    // slot of the root and of a level-1 row. A folder created there later must start empty.
    lib.SetMacroItem(MacroLocation::root(59), u"last", nullptr);
    lib.SetMacroItem(MacroLocation::level1(59, 0), u"orphan", nullptr);
    lib.SetMacroItem(MacroLocation::level1(3, 59), u"last child", nullptr);
    lib.SetMacroItem(MacroLocation::level2(3, 59, 0), u"orphan", nullptr);
    lib.DeleteItem(MacroLocation::root(59));
    lib.DeleteItem(MacroLocation::level1(3, 59));
    EXPECT_FALSE(lib.ItemAt(MacroLocation::level1(59, 0))->isUsed());
    EXPECT_FALSE(lib.ItemAt(MacroLocation::level2(3, 59, 0))->isUsed());
}

TEST(MacroLibrary, DeleteIgnoresLocationsThatNameNoSlot) {
    MacroLibrary lib;
    MacroLocation sel;
    lib.AddMacro(u"A", sel);
    for (const MacroLocation& bad : {MacroLocation::none(), MacroLocation{3, 0, 0, 0},
                                     MacroLocation{0, 60, 0, 0}, MacroLocation{1, 0, -1, 0}}) {
        lib.DeleteItem(bad);
    }
    lib.DeleteItem(MacroLocation::level2(0, 0, 0));  // a free slot of a row never used
    EXPECT_EQ(visibleRows(lib), (Rows{"A"}));
}

TEST(MacroLibrary, ItemAtAnswersOnlyForSlots) {
    MacroLibrary lib;
    const MacroLibrary& view = lib;
    EXPECT_EQ(view.ItemAt(MacroLocation::none()), nullptr);
    EXPECT_EQ(view.ItemAt({3, 0, 0, 0}), nullptr);
    EXPECT_EQ(view.ItemAt({0, 60, 0, 0}), nullptr);
    EXPECT_EQ(view.ItemAt({2, 0, 0, -1}), nullptr);
    // Indexes below the item's level are ignored.
    ASSERT_NE(view.ItemAt({0, 5, 99, -7}), nullptr);
    EXPECT_FALSE(view.ItemAt(MacroLocation::level2(59, 59, 59))->isUsed());

    lib.SetFolderItem({1, 2, 3, 77}, u"F", 1);
    EXPECT_EQ(view.ItemAt(MacroLocation::level1(2, 3))->name, u"F");
}

TEST(MacroLibrary, SetItemStoresAtTheExactLocationAndReplaces) {
    MacroLibrary lib;
    auto record = std::make_unique<MacroRecord>();
    record->macroKeyIndex = 7;
    EXPECT_TRUE(lib.SetMacroItem(MacroLocation::level2(3, 4, 5), u"deep", std::move(record)));
    EXPECT_EQ(keyAt(lib, MacroLocation::level2(3, 4, 5)), 7u);

    EXPECT_TRUE(lib.SetFolderItem(MacroLocation::level2(3, 4, 5), u"now a folder", 5));
    const MacroItem* item = lib.ItemAt(MacroLocation::level2(3, 4, 5));
    EXPECT_EQ(item->name, u"now a folder");
    EXPECT_EQ(item->macro, nullptr);
    EXPECT_EQ(item->isFolder, 1);
    EXPECT_EQ(item->folderIsOpen, 5);

    EXPECT_TRUE(lib.SetMacroItem(MacroLocation::level2(3, 4, 5), u"again", nullptr));
    EXPECT_EQ(item->isFolder, 0);
    EXPECT_EQ(item->folderIsOpen, 0);

    EXPECT_FALSE(lib.SetMacroItem({-1, 0, 0, 0}, u"x", std::make_unique<MacroRecord>()));
    EXPECT_FALSE(lib.SetFolderItem({2, 0, 60, 0}, u"x", 0));
}

TEST(MacroLibrary, ClearEmptiesEverythingButKeepsTheCounter) {
    MacroLibrary lib;
    MacroLocation sel;
    lib.AddFolder(u"F", sel);
    lib.AddMacro(u"m", sel);
    lib.Clear();
    EXPECT_EQ(lib.VisibleRowCount(), 0);
    EXPECT_FALSE(lib.ItemAt(MacroLocation::level1(0, 0))->isUsed());
    EXPECT_EQ(lib.nextKeyIndex(), 2u);
}

TEST_F(LibraryTree, SubtreeUsesMacroLooksBelowFolders) {
    const uint32_t a = keyAt(lib, MacroLocation::root(0));
    const uint32_t x = keyAt(lib, MacroLocation::level1(1, 0));
    const uint32_t zk = keyAt(lib, z);
    const uint32_t b = keyAt(lib, MacroLocation::root(2));
    EXPECT_TRUE(lib.SubtreeUsesMacro(MacroLocation::root(0), a));
    EXPECT_FALSE(lib.SubtreeUsesMacro(MacroLocation::root(0), b));
    EXPECT_TRUE(lib.SubtreeUsesMacro(f, x));
    EXPECT_TRUE(lib.SubtreeUsesMacro(f, zk));
    EXPECT_FALSE(lib.SubtreeUsesMacro(f, a));
    EXPECT_TRUE(lib.SubtreeUsesMacro(g, zk));
    EXPECT_FALSE(lib.SubtreeUsesMacro(g, x));
    EXPECT_FALSE(lib.SubtreeUsesMacro(MacroLocation::none(), a));

    // Macros below a level-1 item that is no folder do not count.
    lib.SetMacroItem(g, u"G", std::make_unique<MacroRecord>());
    EXPECT_FALSE(lib.SubtreeUsesMacro(f, zk));
}

TEST_F(LibraryTree, RowsAndLocationsMapBothWays) {
    const int count = lib.VisibleRowCount();
    ASSERT_EQ(count, 6);
    for (int row = 0; row < count; ++row) {
        EXPECT_EQ(lib.LocationToRow(lib.RowToLocation(row)), row);
    }
    EXPECT_EQ(lib.RowToLocation(count), MacroLocation::none());
    EXPECT_EQ(lib.RowToLocation(-1), MacroLocation::none());
    EXPECT_EQ(lib.LocationToRow({2, 1, 1, 0}), 4);
    EXPECT_EQ(lib.LocationToRow({0, 2, 9, 9}), 5);             // unused indexes are ignored
    EXPECT_EQ(lib.LocationToRow(MacroLocation::root(3)), -1);  // free
    EXPECT_EQ(lib.LocationToRow(MacroLocation::none()), -1);

    lib.ItemAt(g)->folderIsOpen = 0;
    EXPECT_EQ(visibleRows(lib), (Rows{"A", "F", ">x", ">G", "B"}));
    EXPECT_EQ(lib.LocationToRow(z), -1);
}

TEST(MacroLibrary, RowsSkipFreeSlotsAndShowOnlyOpenFolders) {
    MacroLibrary lib;
    lib.SetFolderItem(MacroLocation::root(2), u"F", 1);
    lib.SetMacroItem(MacroLocation::level1(2, 7), u"late child", nullptr);
    lib.SetFolderItem(MacroLocation::root(9), u"closed", 5);  // only exactly 1 is open
    lib.SetMacroItem(MacroLocation::level1(9, 0), u"hidden", nullptr);
    lib.SetMacroItem(MacroLocation::root(30), u"M", nullptr);
    lib.SetMacroItem(MacroLocation::level1(30, 0), u"under a macro", nullptr);
    EXPECT_EQ(visibleRows(lib), (Rows{"F", ">late child", "closed", "M"}));
}

TEST_F(LibraryTree, CollapseAllFoldersStopsAtTheFirstFreeSlotOfEachRow) {
    lib.SetFolderItem(MacroLocation::root(10), u"past a gap", 1);
    lib.SetFolderItem(MacroLocation::level1(10, 0), u"child", 1);
    lib.CollapseAllFolders();
    EXPECT_EQ(lib.ItemAt(f)->folderIsOpen, 0);
    EXPECT_EQ(lib.ItemAt(g)->folderIsOpen, 0);
    EXPECT_EQ(lib.ItemAt(MacroLocation::root(10))->folderIsOpen, 1);
    EXPECT_EQ(lib.ItemAt(MacroLocation::level1(10, 0))->folderIsOpen, 0);
}

TEST(MacroLibrary, FindMacroByKeyIndexSearchesLevelByLevelUpToTheFirstFreeSlot) {
    MacroLibrary lib;
    const auto macro = [](uint32_t key) {
        auto record = std::make_unique<MacroRecord>();
        record->macroKeyIndex = key;
        return record;
    };
    lib.SetMacroItem(MacroLocation::root(0), u"a", macro(1));
    lib.SetMacroItem(MacroLocation::root(2), u"past a gap", macro(2));
    lib.SetMacroItem(MacroLocation::level2(0, 0, 0), u"deep", macro(3));
    lib.SetMacroItem(MacroLocation::level1(5, 0), u"shallow", macro(3));
    lib.SetMacroItem(MacroLocation::level1(0, 0), u"first", macro(4));
    lib.SetMacroItem(MacroLocation::level1(1, 0), u"second", macro(4));

    EXPECT_EQ(lib.FindMacroByKeyIndex(1), MacroLocation::root(0));
    EXPECT_EQ(lib.FindMacroByKeyIndex(2), std::nullopt);
    EXPECT_EQ(lib.FindMacroByKeyIndex(3), MacroLocation::level1(5, 0));
    EXPECT_EQ(lib.FindMacroByKeyIndex(4), MacroLocation::level1(0, 0));
    EXPECT_EQ(lib.FindMacroByKeyIndex(99), std::nullopt);

    lib.SetFolderItem(MacroLocation::level1(5, 0), u"folder now", 0);
    EXPECT_EQ(lib.FindMacroByKeyIndex(3), MacroLocation::level2(0, 0, 0));
}

}  // namespace
}  // namespace vexmo
