// The macro library: a tree of three levels of 60 named cells (folders and macros), its editing
// operations and the flattening of the tree into the rows of the tree view.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "base/Text.h"
#include "macros/MacroRecord.h"

namespace vexmo {

// Address of one library slot. Indexes below the item's level are ignored (and written as 0).
struct MacroLocation {
    static constexpr int kSlots = 60;

    int32_t stage = -1;  // 0, 1 or 2: the level; -1: no item
    int32_t stage0Index = 0;
    int32_t stage1Index = 0;
    int32_t stage2Index = 0;

    static MacroLocation none() { return {}; }
    static MacroLocation root(int i) { return {0, i, 0, 0}; }
    static MacroLocation level1(int i, int j) { return {1, i, j, 0}; }
    static MacroLocation level2(int i, int j, int k) { return {2, i, j, k}; }

    // Stage 0..2 with every index the level uses inside 0..59.
    bool isSlot() const;
    // The same slot with the unused indexes set to 0; none() for anything that is not a slot.
    MacroLocation normalized() const;

    bool operator==(const MacroLocation&) const = default;
};

// One slot of the library tree; an empty name means the slot is free.
struct MacroItem {
    Text name;
    std::unique_ptr<MacroRecord> macro;  // present for a macro item only
    int32_t isFolder = 0;                // 1 for a folder
    int32_t folderIsOpen = 0;            // 1: expanded in the tree view; anything else: closed

    bool isUsed() const { return !name.empty(); }
    bool isOpenFolder() const { return isFolder == 1 && folderIsOpen == 1; }
};

class MacroLibrary {
public:
    static constexpr int kSlots = MacroLocation::kSlots;

    MacroLibrary();
    ~MacroLibrary();
    MacroLibrary(const MacroLibrary&) = delete;
    MacroLibrary& operator=(const MacroLibrary&) = delete;

    uint32_t nextKeyIndex() const { return nextKeyIndex_; }
    void setNextKeyIndex(uint32_t value) { nextKeyIndex_ = value; }

    // Frees every macro and empties every slot; nextKeyIndex stays.
    void Clear();

    // The slot at the location (possibly free); nullptr when the location names no slot. The
    // const form never allocates; the mutable form allocates the slot's row when it is needed.
    const MacroItem* ItemAt(const MacroLocation& location) const;
    MacroItem* ItemAt(const MacroLocation& location);

    // Whether any slot of the row holding the location's item has this name (stage <= 0: root).
    bool NameExistsAtLevel(const MacroLocation& location, TextView name) const;
    // The same test on the row where AddMacro would place a new item for this selection.
    bool NameExistsAtInsertionLevel(const MacroLocation& selection, TextView name) const;

    // 1 when the target row already has the name. Otherwise 0; the new macro takes the first
    // free slot of the target row (a full row adds nothing) and its location goes to selection.
    int AddMacro(TextView name, MacroLocation& selection);
    // As AddMacro for a folder; with a selected level-1 folder nothing is created (result 0).
    int AddFolder(TextView name, MacroLocation& selection);

    // Used by the file readers; a location that names no slot stores nothing (false).
    bool SetMacroItem(const MacroLocation& location, TextView name,
                      std::unique_ptr<MacroRecord> record);
    bool SetFolderItem(const MacroLocation& location, TextView name, int32_t folderIsOpen);

    // Removes the item with its whole subtree; later cells of its row move up to close the gap.
    void DeleteItem(const MacroLocation& location);

    // Whether the item, or a macro below it, has this macroKeyIndex.
    bool SubtreeUsesMacro(const MacroLocation& location, uint32_t macroKeyIndex) const;

    // Tree view rows: used cells, with the children of open folders after their folder.
    int VisibleRowCount() const;
    MacroLocation RowToLocation(int row) const;              // none() past the end
    int LocationToRow(const MacroLocation& location) const;  // -1 when not visible

    // Closes every folder of level 0 and of each level-1 row, up to each row's first free slot.
    void CollapseAllFolders();

    // The first macro item (not a folder) with this macroKeyIndex, searched level by level, each
    // row from its first slot up to its first free slot.
    std::optional<MacroLocation> FindMacroByKeyIndex(uint32_t macroKeyIndex) const;

    // Calls visit(location, item) for every used slot: level 0, then level 1, then level 2, each
    // in index order (the order of the library file).
    template <typename Visit>
    void ForEachUsedSlot(Visit&& visit) const;

private:
    struct Row;
    struct Slot {
        MacroItem item;
        std::unique_ptr<Row> children;  // the row below this slot, allocated when first used
    };
    struct Row {
        std::array<Slot, kSlots> cells;
    };

    const Row* rowOf(const MacroLocation& location) const;
    Row* rowOf(const MacroLocation& location, bool create);
    MacroLocation insertionRow(const MacroLocation& selection) const;
    int addItem(TextView name, MacroLocation& selection, bool folder);
    template <typename Visit>
    bool walkVisibleRows(Visit&& visit) const;

    Row root_;
    uint32_t nextKeyIndex_ = 1;
};

template <typename Visit>
void MacroLibrary::ForEachUsedSlot(Visit&& visit) const {
    for (int i = 0; i < kSlots; ++i) {
        if (root_.cells[i].item.isUsed()) visit(MacroLocation::root(i), root_.cells[i].item);
    }
    for (int i = 0; i < kSlots; ++i) {
        const Row* row1 = root_.cells[i].children.get();
        if (row1 == nullptr) continue;
        for (int j = 0; j < kSlots; ++j) {
            if (row1->cells[j].item.isUsed())
                visit(MacroLocation::level1(i, j), row1->cells[j].item);
        }
    }
    for (int i = 0; i < kSlots; ++i) {
        const Row* row1 = root_.cells[i].children.get();
        if (row1 == nullptr) continue;
        for (int j = 0; j < kSlots; ++j) {
            const Row* row2 = row1->cells[j].children.get();
            if (row2 == nullptr) continue;
            for (int k = 0; k < kSlots; ++k) {
                if (row2->cells[k].item.isUsed()) {
                    visit(MacroLocation::level2(i, j, k), row2->cells[k].item);
                }
            }
        }
    }
}

}  // namespace vexmo
