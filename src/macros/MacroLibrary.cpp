#include "macros/MacroLibrary.h"

#include <algorithm>
#include <utility>

namespace vexmo {

namespace {

bool inRange(int32_t index) {
    return index >= 0 && index < MacroLocation::kSlots;
}

int32_t slotIndex(const MacroLocation& location) {
    return location.stage == 0   ? location.stage0Index
           : location.stage == 1 ? location.stage1Index
                                 : location.stage2Index;
}

// The location with its own index (the one of its level) replaced.
MacroLocation withSlotIndex(MacroLocation location, int32_t index) {
    (location.stage == 0   ? location.stage0Index
     : location.stage == 1 ? location.stage1Index
                           : location.stage2Index) = index;
    return location;
}

const MacroItem& freeItem() {
    static const MacroItem item;
    return item;
}

}  // namespace

bool MacroLocation::isSlot() const {
    switch (stage) {
        case 0:
            return inRange(stage0Index);
        case 1:
            return inRange(stage0Index) && inRange(stage1Index);
        case 2:
            return inRange(stage0Index) && inRange(stage1Index) && inRange(stage2Index);
        default:
            return false;
    }
}

MacroLocation MacroLocation::normalized() const {
    if (!isSlot()) return none();
    return {stage, stage0Index, stage >= 1 ? stage1Index : 0, stage >= 2 ? stage2Index : 0};
}

MacroLibrary::MacroLibrary() = default;
MacroLibrary::~MacroLibrary() = default;

void MacroLibrary::Clear() {
    root_ = Row{};
}

// The row that holds the location's slot; nullptr when it was never allocated or the location
// names no slot.
const MacroLibrary::Row* MacroLibrary::rowOf(const MacroLocation& location) const {
    if (!location.isSlot()) return nullptr;
    const Row* row = &root_;
    if (location.stage >= 1) row = row->cells[location.stage0Index].children.get();
    if (location.stage >= 2 && row != nullptr) {
        row = row->cells[location.stage1Index].children.get();
    }
    return row;
}

MacroLibrary::Row* MacroLibrary::rowOf(const MacroLocation& location, bool create) {
    if (!location.isSlot()) return nullptr;
    Row* row = &root_;
    const int32_t parents[] = {location.stage0Index, location.stage1Index};
    for (int level = 0; level < location.stage; ++level) {
        auto& children = row->cells[parents[level]].children;
        if (children == nullptr) {
            if (!create) return nullptr;
            children = std::make_unique<Row>();
        }
        row = children.get();
    }
    return row;
}

const MacroItem* MacroLibrary::ItemAt(const MacroLocation& location) const {
    if (!location.isSlot()) return nullptr;
    const Row* row = rowOf(location);
    return row != nullptr ? &row->cells[slotIndex(location)].item : &freeItem();
}

MacroItem* MacroLibrary::ItemAt(const MacroLocation& location) {
    Row* row = rowOf(location, true);
    return row != nullptr ? &row->cells[slotIndex(location)].item : nullptr;
}

bool MacroLibrary::NameExistsAtLevel(const MacroLocation& location, TextView name) const {
    const MacroLocation rowLocation =
        location.stage <= 0 ? MacroLocation::root(0) : withSlotIndex(location, 0);
    if (!rowLocation.isSlot()) return false;
    const Row* row = rowOf(rowLocation);
    // A row never allocated is all free cells, whose name is empty.
    if (row == nullptr) return name.empty();
    return std::any_of(row->cells.begin(), row->cells.end(),
                       [&](const Slot& slot) { return slot.item.name == name; });
}

// A location in the row where new items go for this selection: a selected level-0 folder
// receives them in its level-1 row, a selected level-1 folder in its level-2 row, anything else
// sends them to the root.
MacroLocation MacroLibrary::insertionRow(const MacroLocation& selection) const {
    const MacroItem* selected = ItemAt(selection);
    if (selected != nullptr && selected->isFolder == 1) {
        if (selection.stage == 0) return MacroLocation::level1(selection.stage0Index, 0);
        if (selection.stage == 1) {
            return MacroLocation::level2(selection.stage0Index, selection.stage1Index, 0);
        }
    }
    return MacroLocation::root(0);
}

bool MacroLibrary::NameExistsAtInsertionLevel(const MacroLocation& selection, TextView name) const {
    return NameExistsAtLevel(insertionRow(selection), name);
}

int MacroLibrary::addItem(TextView name, MacroLocation& selection, bool folder) {
    const MacroLocation target = insertionRow(selection);
    if (NameExistsAtLevel(target, name)) return 1;
    const Row* existing = rowOf(target);
    int free = 0;
    if (existing != nullptr) {
        const auto it = std::find_if(existing->cells.begin(), existing->cells.end(),
                                     [](const Slot& slot) { return !slot.item.isUsed(); });
        if (it == existing->cells.end()) return 0;  // a full row adds nothing
        free = static_cast<int>(it - existing->cells.begin());
    }
    MacroItem& item = rowOf(target, true)->cells[free].item;
    item.name = Text(name);
    if (folder) {
        item.isFolder = 1;
    } else {
        item.macro = std::make_unique<MacroRecord>();
        item.macro->name = item.name;
        item.macro->macroKeyIndex = nextKeyIndex_++;
        item.isFolder = 0;
    }
    selection = withSlotIndex(target, free);
    return 0;
}

int MacroLibrary::AddMacro(TextView name, MacroLocation& selection) {
    return addItem(name, selection, false);
}

int MacroLibrary::AddFolder(TextView name, MacroLocation& selection) {
    // Folders nest two levels deep at most: a level-1 folder takes no folder.
    const MacroItem* selected = std::as_const(*this).ItemAt(selection);
    if (selected != nullptr && selected->isFolder == 1 && selection.stage == 1) return 0;
    return addItem(name, selection, true);
}

bool MacroLibrary::SetMacroItem(const MacroLocation& location, TextView name,
                                std::unique_ptr<MacroRecord> record) {
    MacroItem* item = ItemAt(location);
    if (item == nullptr) return false;
    item->name = Text(name);
    item->macro = std::move(record);
    item->isFolder = 0;
    item->folderIsOpen = 0;
    return true;
}

bool MacroLibrary::SetFolderItem(const MacroLocation& location, TextView name,
                                 int32_t folderIsOpen) {
    MacroItem* item = ItemAt(location);
    if (item == nullptr) return false;
    item->name = Text(name);
    item->macro.reset();
    item->isFolder = 1;
    item->folderIsOpen = folderIsOpen;
    return true;
}

void MacroLibrary::DeleteItem(const MacroLocation& location) {
    Row* row = rowOf(location, false);
    if (row == nullptr) return;
    // Each slot carries the rows below it, so moving the later cells up moves their subtrees
    // with them, and the deleted slot's subtree goes with it.
    const auto at = row->cells.begin() + slotIndex(location);
    std::move(at + 1, row->cells.end(), at);
    row->cells.back() = Slot{};

    // Give back rows that hold nothing any more.
    const auto isEmpty = [](const std::unique_ptr<Row>& r) {
        return std::none_of(r->cells.begin(), r->cells.end(), [](const Slot& slot) {
            return slot.item.isUsed() || slot.children != nullptr;
        });
    };
    if (location.stage == 0) return;
    auto& level1 = root_.cells[location.stage0Index].children;
    if (location.stage == 2) {
        auto& level2 = level1->cells[location.stage1Index].children;
        if (isEmpty(level2)) level2.reset();
    }
    if (isEmpty(level1)) level1.reset();
}

bool MacroLibrary::SubtreeUsesMacro(const MacroLocation& location, uint32_t macroKeyIndex) const {
    const auto uses = [macroKeyIndex](const MacroItem& item) {
        return item.macro != nullptr && item.macro->macroKeyIndex == macroKeyIndex;
    };
    const MacroItem* item = ItemAt(location);
    if (item == nullptr) return false;
    if (uses(*item)) return true;
    if (item->isFolder != 1 || location.stage >= 2) return false;
    const Row* children =
        location.stage == 0
            ? root_.cells[location.stage0Index].children.get()
            : rowOf(MacroLocation::level2(location.stage0Index, location.stage1Index, 0));
    if (children == nullptr) return false;
    for (int j = 0; j < kSlots; ++j) {
        const Slot& child = children->cells[j];
        if (uses(child.item)) return true;
        if (location.stage == 0 && child.item.isFolder == 1 && child.children != nullptr) {
            const auto& grandchildren = child.children->cells;
            if (std::any_of(grandchildren.begin(), grandchildren.end(),
                            [&](const Slot& s) { return uses(s.item); })) {
                return true;
            }
        }
    }
    return false;
}

// Visits the tree view's rows in order: every used slot of the root; after an open folder its
// used level-1 cells; after an open level-1 folder its used level-2 cells. Free cells are skipped,
// not taken as the end of a row. visit(location) returns true to stop the walk.
template <typename Visit>
bool MacroLibrary::walkVisibleRows(Visit&& visit) const {
    for (int i = 0; i < kSlots; ++i) {
        const Slot& s0 = root_.cells[i];
        if (!s0.item.isUsed()) continue;
        if (visit(MacroLocation::root(i))) return true;
        if (!s0.item.isOpenFolder() || s0.children == nullptr) continue;
        for (int j = 0; j < kSlots; ++j) {
            const Slot& s1 = s0.children->cells[j];
            if (!s1.item.isUsed()) continue;
            if (visit(MacroLocation::level1(i, j))) return true;
            if (!s1.item.isOpenFolder() || s1.children == nullptr) continue;
            for (int k = 0; k < kSlots; ++k) {
                if (!s1.children->cells[k].item.isUsed()) continue;
                if (visit(MacroLocation::level2(i, j, k))) return true;
            }
        }
    }
    return false;
}

int MacroLibrary::VisibleRowCount() const {
    int count = 0;
    walkVisibleRows([&](const MacroLocation&) {
        ++count;
        return false;
    });
    return count;
}

MacroLocation MacroLibrary::RowToLocation(int row) const {
    MacroLocation found;
    if (row < 0) return found;
    int current = 0;
    walkVisibleRows([&](const MacroLocation& location) {
        if (current++ != row) return false;
        found = location;
        return true;
    });
    return found;
}

int MacroLibrary::LocationToRow(const MacroLocation& location) const {
    const MacroLocation wanted = location.normalized();
    if (wanted.stage < 0) return -1;
    int current = 0;
    const bool found = walkVisibleRows([&](const MacroLocation& visited) {
        if (visited == wanted) return true;
        ++current;
        return false;
    });
    return found ? current : -1;
}

void MacroLibrary::CollapseAllFolders() {
    const auto collapse = [](Row& row) {
        for (Slot& slot : row.cells) {
            if (!slot.item.isUsed()) break;
            slot.item.folderIsOpen = 0;
        }
    };
    collapse(root_);
    for (Slot& slot : root_.cells) {
        if (slot.children != nullptr) collapse(*slot.children);
    }
}

std::optional<MacroLocation> MacroLibrary::FindMacroByKeyIndex(uint32_t macroKeyIndex) const {
    // Looks through one row up to its first free slot; returns the slot index or -1.
    const auto search = [macroKeyIndex](const Row* row) {
        if (row == nullptr) return -1;
        for (int i = 0; i < kSlots; ++i) {
            const MacroItem& item = row->cells[i].item;
            if (!item.isUsed()) break;
            if (item.isFolder == 0 && item.macro != nullptr &&
                item.macro->macroKeyIndex == macroKeyIndex) {
                return i;
            }
        }
        return -1;
    };
    if (const int k = search(&root_); k >= 0) return MacroLocation::root(k);
    for (int i = 0; i < kSlots; ++i) {
        if (const int k = search(root_.cells[i].children.get()); k >= 0) {
            return MacroLocation::level1(i, k);
        }
    }
    for (int i = 0; i < kSlots; ++i) {
        const Row* row1 = root_.cells[i].children.get();
        if (row1 == nullptr) continue;
        for (int j = 0; j < kSlots; ++j) {
            if (const int k = search(row1->cells[j].children.get()); k >= 0) {
                return MacroLocation::level2(i, j, k);
            }
        }
    }
    return std::nullopt;
}

}  // namespace vexmo
