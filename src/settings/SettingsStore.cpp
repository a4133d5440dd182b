#include "settings/SettingsStore.h"

#include "ui/CStdioFileEx.h"

namespace vexmo {

namespace {

constexpr const char* kKeys[SettingsStore::kEntries] = {
    "Sensor",           "PreST",
    "Mac_ID",           "DataChange",
    "CurrentProfile",   "ProfileShowCount",
    "ProfileShowList0", "ProfileShowList1",
    "ProfileShowList2", "ProfileShowList3",
    "ProfileShowList4", "ProfileSlot0URL",
    "ProfileSlot1URL",  "ProfileSlot2URL",
    "ProfileSlot3URL",  "ProfileSlot4URL",
};
constexpr const char* kDefaultValues[SettingsStore::kProfileSlot0Url] = {
    "0x3325", "0xCCDA", "0xFFFFFFFF", "0x1234", "0", "3", "0", "1", "2", "3", "4",
};

bool validPosition(int position) {
    return position >= 0 && position < SettingsStore::kSlots;
}

}  // namespace

void SettingsStore::ResetToDefaults(const std::string& dataDirectory) {
    for (int i = 0; i < kEntries; ++i) {
        entries_[static_cast<size_t>(i)].key = ascii(kKeys[i]);
        value(i) = i < kProfileSlot0Url ? ascii(kDefaultValues[i])
                                        : fromUtf8(dataDirectory + "config/default" +
                                                   std::to_string(i - kProfileSlot0Url) + ".psf");
    }
}

bool SettingsStore::ReadFile(const std::string& path) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kReadFlags)) return false;
    Text line;
    if (!file.ReadString(line) || line != u"[Setting]") return false;
    int filled = 0;
    while (file.ReadString(line)) {
        if (filled == kEntries) return false;
        const size_t eq = findChar(line, u'=');
        if (eq == Text::npos || eq == 0 || eq + 1 == line.size()) return false;
        entries_[static_cast<size_t>(filled++)] = {line.substr(0, eq), line.substr(eq + 1)};
    }
    return file.Close();
}

bool SettingsStore::SaveSettings(const std::string& path) const {
    Text content = u"[Setting]\n";
    for (const NamedValue& e : entries_)
        content += e.key + u"=" + e.value + u"\n";
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kCreateFlags)) return false;
    file.WriteString(content);
    return file.Close();
}

uint16_t SettingsStore::Sensor() const {
    return static_cast<uint16_t>(parseHex(value(kSensor)));
}

uint16_t SettingsStore::PreST() const {
    return static_cast<uint16_t>(parseHex(value(kPreST)));
}

int SettingsStore::CurrentProfile() const {
    const long slot = parseDec(value(kCurrentProfile));
    return slot >= 0 && slot < kSlots ? static_cast<int>(slot) : 0;
}

long SettingsStore::ProfileShowCount() const {
    return parseDec(value(kProfileShowCount));
}

long SettingsStore::ProfileShowList(int position) const {
    return validPosition(position) ? parseDec(value(kProfileShowList0 + position)) : 0;
}

const Text& SettingsStore::ProfileSlotUrl(int slot) const {
    static const Text kNone;
    return validPosition(slot) ? value(kProfileSlot0Url + slot) : kNone;
}

void SettingsStore::SetSensor(uint16_t sensorId) {
    value(kSensor) = formatHex0x4(sensorId);
}

void SettingsStore::SetPreST(uint16_t v) {
    value(kPreST) = formatHex0x4(v);
}

void SettingsStore::SetCurrentProfile(int slot) {
    value(kCurrentProfile) = formatDec(slot);
}

void SettingsStore::SetProfileShowCount(int count) {
    value(kProfileShowCount) = formatDec(count);
}

void SettingsStore::SetProfileShowList(int position, int slot) {
    if (validPosition(position)) value(kProfileShowList0 + position) = formatDec(slot);
}

}  // namespace vexmo
