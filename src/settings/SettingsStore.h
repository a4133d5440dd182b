// The program-wide settings outside the profiles: sixteen positional key/value entries backed by
// config/config.ini (sensor, current slot, listed slots, profile file paths).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/Text.h"
#include "settings/ProfileRecord.h"

namespace vexmo {

class SettingsStore {
public:
    static constexpr int kEntries = 16;
    static constexpr int kSlots = 5;
    // Positions of the entries; the file is read by position, never by key.
    enum Entry : int {
        kSensor = 0,
        kPreST = 1,
        kMacId = 2,
        kDataChange = 3,
        kCurrentProfile = 4,
        kProfileShowCount = 5,
        kProfileShowList0 = 6,  // to 10
        kProfileSlot0Url = 11,  // to 15
    };

    // Every entry starts with an empty key and value.
    SettingsStore() = default;

    // The factory table; the profile paths are built from dataDirectory (ending with '/').
    void ResetToDefaults(const std::string& dataDirectory);
    // Reads the file into the table by position; true when it was read without fault. On a fault
    // the entries read so far keep their new texts; the caller restores the defaults.
    bool ReadFile(const std::string& path);
    // Writes "[Setting]" and the sixteen "key=value" lines; false when the file was not written.
    bool SaveSettings(const std::string& path) const;

    const NamedValue& entry(int i) const { return entries_[static_cast<size_t>(i)]; }

    // Getters parse the value; text that does not parse gives 0.
    uint16_t Sensor() const;
    uint16_t PreST() const;
    // The current slot, 0 to 4; a value outside that range counts as 0.
    int CurrentProfile() const;
    long ProfileShowCount() const;
    long ProfileShowList(int position) const;  // position 0..4
    // Path entry of slot 0..4, as stored.
    const Text& ProfileSlotUrl(int slot) const;
    std::string ProfileSlotPath(int slot) const { return toUtf8(ProfileSlotUrl(slot)); }

    // Setters change only the table.
    void SetSensor(uint16_t sensorId);  // "0x%4X"
    void SetPreST(uint16_t value);      // "0x%4X"
    void SetCurrentProfile(int slot);   // "%d"
    void SetProfileShowCount(int count);
    void SetProfileShowList(int position, int slot);

private:
    Text& value(int i) { return entries_[static_cast<size_t>(i)].value; }
    const Text& value(int i) const { return entries_[static_cast<size_t>(i)].value; }

    std::array<NamedValue, kEntries> entries_{};
};

}  // namespace vexmo
