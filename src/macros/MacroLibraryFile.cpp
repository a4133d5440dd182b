#include "macros/MacroLibraryFile.h"

#include <algorithm>
#include <array>
#include <optional>

#include "ui/CStdioFileEx.h"

namespace vexmo {

namespace {

constexpr TextView kHeader = u"[MacroLibrary]";
constexpr size_t kActionChars = 8;
constexpr size_t kAllActionChars = kActionChars * MacroRecord::kMaxActions;

// "%d" of a 32-bit field (an unsigned value above INT_MAX prints negative, as printf does).
Text dec(uint32_t value) {
    return formatDec(static_cast<int32_t>(value));
}

Text locationFields(const MacroLocation& l) {
    return u"stage=" + formatDec(l.stage) + u";stage0Index=" + formatDec(l.stage0Index) +
           u";stage1Index=" + formatDec(l.stage1Index) + u";stage2Index=" +
           formatDec(l.stage2Index) + u";\n";
}

void appendActions(Text& out, const MacroRecord& record) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    for (const MacroAction& action : record.actions) {
        for (const uint8_t byte : {action.code, action.flags, action.data1, action.data2}) {
            out.push_back(kDigits[byte >> 4]);
            out.push_back(kDigits[byte & 0x0F]);
        }
    }
}

// One slot's block; every line carries one tab per level.
Text itemBlock(const MacroLocation& location, const MacroItem& item) {
    const Text tabs(static_cast<size_t>(location.stage), u'\t');
    Text block;
    block.reserve(kAllActionChars + 512);
    const auto line = [&](TextView text) {
        block += tabs;
        block += text;
    };
    line(u"++++++++MacroItemName=" + item.name + u"\n");
    line(u"MacroItemLocation:" + locationFields(location));
    line(u"MacroItemIsFolder=" + formatDec(item.isFolder) + u"\n");
    line(u"MacroItemFolderIsOpen=" + formatDec(item.folderIsOpen) + u"\n");
    if (const MacroRecord* record = item.macro.get()) {
        line(u"MacroKeyIndex=" + formatUnsigned(record->macroKeyIndex) + u"\n");
        line(u"MacroKeyLoopType=" + formatUnsigned(record->loopType) + u"\n");
        line(u"MacroKeyLoopNum=" + formatUnsigned(record->loopNum) + u"\n");
        line(u"MacroActionNum=" + formatUnsigned(record->actionNum) + u"\n");
        line(u"MacroCommandActionNum=" + formatUnsigned(record->commandActionNum) + u"\n");
        line(u"AllAction=");
        appendActions(block, *record);
        block += u'\n';
    }
    return block;
}

// The text after the first "=", which must be followed by at least one character. Leading tabs
// and the key itself are not looked at.
std::optional<TextView> valueOf(TextView line) {
    const size_t eq = line.find(u'=');
    if (eq == TextView::npos || eq + 1 >= line.size()) return std::nullopt;
    return line.substr(eq + 1);
}

// The four numbers after the first four "=" of a location line; each "=" needs a character after
// it. The numbers are kept wide so that out-of-range values cannot wrap into range.
std::optional<std::array<long, 4>> parseLocation(TextView line) {
    std::array<long, 4> values{};
    size_t from = 0;
    for (long& value : values) {
        const size_t eq = line.find(u'=', from);
        if (eq == TextView::npos || eq + 1 >= line.size()) return std::nullopt;
        value = parseDec(line.substr(eq + 1));
        from = eq + 1;
    }
    return values;
}

// The location when it names a slot of the model; indexes the level does not use are ignored.
std::optional<MacroLocation> toSlot(const std::array<long, 4>& v) {
    if (v[0] < 0 || v[0] > 2) return std::nullopt;
    const auto stage = static_cast<int32_t>(v[0]);
    for (int32_t level = 0; level <= stage; ++level) {
        if (v[level + 1] < 0 || v[level + 1] >= MacroLocation::kSlots) return std::nullopt;
    }
    return MacroLocation{stage, static_cast<int32_t>(v[1]),
                         stage >= 1 ? static_cast<int32_t>(v[2]) : 0,
                         stage >= 2 ? static_cast<int32_t>(v[3]) : 0};
}

// Reads the lines of one file in order; every accessor returns nullopt for a malformed line.
class LineReader {
public:
    explicit LineReader(CStdioFileEx& file) : file_(file) {}

    // False at the end of the file.
    bool next() { return file_.ReadString(line_); }
    const Text& line() const { return line_; }

    std::optional<long> nextNumber() {
        next();
        const auto value = valueOf(line_);
        if (!value) return std::nullopt;
        return parseDec(*value);
    }
    std::optional<std::array<long, 4>> nextLocation() {
        next();
        return parseLocation(line_);
    }

private:
    CStdioFileEx& file_;
    Text line_;
};

// Reads the macro part of a block after its four item lines; nullptr when a line is malformed.
std::unique_ptr<MacroRecord> readRecord(LineReader& reader, TextView name) {
    auto record = std::make_unique<MacroRecord>();
    record->name = Text(name);
    const auto keyIndex = reader.nextNumber();
    const auto loopType = reader.nextNumber();
    const auto loopNum = reader.nextNumber();
    const auto actionNum = reader.nextNumber();
    const auto commandActionNum = reader.nextNumber();
    if (!keyIndex || !loopType || !loopNum || !actionNum || !commandActionNum) return nullptr;
    // More used actions than a record holds cannot be stored.
    if (*actionNum < 0 || *actionNum > static_cast<long>(MacroRecord::kMaxActions)) {
        return nullptr;
    }
    record->macroKeyIndex = static_cast<uint32_t>(*keyIndex);
    record->loopType = static_cast<uint8_t>(*loopType);
    record->loopNum = static_cast<uint8_t>(*loopNum);
    record->actionNum = static_cast<uint32_t>(*actionNum);
    record->commandActionNum = static_cast<uint8_t>(*commandActionNum);

    reader.next();
    const auto actions = valueOf(reader.line());
    if (!actions || actions->size() != kAllActionChars) return nullptr;
    for (size_t i = 0; i < MacroRecord::kMaxActions; ++i) {
        std::array<uint8_t, 4> bytes{};
        for (size_t b = 0; b < bytes.size(); ++b) {
            bytes[b] = static_cast<uint8_t>(parseHex(actions->substr(i * kActionChars + 2 * b, 2)));
        }
        record->actions[i] = {bytes[0], bytes[1], bytes[2], bytes[3]};
    }
    return record;
}

// Reads the items of the file into the library; false at the first malformed line.
bool readItems(LineReader& reader, MacroLibrary& library) {
    if (!reader.next()) return true;  // an empty library
    for (;;) {
        const auto nameValue = valueOf(reader.line());
        if (!nameValue) return false;
        const Text name(*nameValue);
        const auto fields = reader.nextLocation();
        if (!fields) return false;
        const auto location = toSlot(*fields);
        const auto isFolder = reader.nextNumber();
        const auto folderIsOpen = reader.nextNumber();
        if (!location || !isFolder || !folderIsOpen) return false;
        if (*isFolder != 0) {
            library.SetFolderItem(*location, name, static_cast<int32_t>(*folderIsOpen));
        } else {
            auto record = readRecord(reader, name);
            if (record == nullptr) return false;
            library.SetMacroItem(*location, name, std::move(record));
        }
        if (!reader.next()) return true;
    }
}

// New macros must never take an identifier the library already uses (a hand-edited or damaged
// file may carry a stale counter), and 0 means "no macro" to the buttons.
void keepNextKeyIndexFresh(MacroLibrary& library) {
    uint32_t next = std::max<uint32_t>(library.nextKeyIndex(), 1);
    library.ForEachUsedSlot([&](const MacroLocation&, const MacroItem& item) {
        if (item.macro != nullptr && item.macro->macroKeyIndex < UINT32_MAX) {
            next = std::max(next, item.macro->macroKeyIndex + 1);
        }
    });
    library.setNextKeyIndex(next);
}

}  // namespace

bool WriteMacroLibraryFile(const std::string& path, const MacroLibrary& library,
                           const MacroLocation& selected) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kCreateFlags)) return false;
    bool ok = file.WriteString(Text(kHeader) + u"\nMacroKeyIndex=" + dec(library.nextKeyIndex()) +
                               u"\nSelect Locaton:" + locationFields(selected));
    library.ForEachUsedSlot([&](const MacroLocation& location, const MacroItem& item) {
        ok = ok && file.WriteString(itemBlock(location, item));
    });
    return file.Close() && ok;
}

MacroLibraryReadResult ReadMacroLibraryFile(const std::string& path, MacroLibrary& library) {
    MacroLibraryReadResult result;
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kReadFlags)) {
        result.nextKeyIndex = library.nextKeyIndex();
        return result;
    }
    library.Clear();
    LineReader reader(file);
    const auto read = [&]() -> bool {
        reader.next();
        if (reader.line() != kHeader) return false;
        const auto nextKeyIndex = reader.nextNumber();
        if (!nextKeyIndex) return false;
        library.setNextKeyIndex(static_cast<uint32_t>(*nextKeyIndex));
        const auto selected = reader.nextLocation();
        if (!selected) return false;
        result.selected = toSlot(*selected).value_or(MacroLocation::none());
        return readItems(reader, library);
    };
    result.success = read();
    keepNextKeyIndexFresh(library);
    result.nextKeyIndex = library.nextKeyIndex();
    return result;
}

}  // namespace vexmo
