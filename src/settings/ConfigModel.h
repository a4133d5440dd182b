// What the configuration files fill: the language texts, the settings store, the five profile
// slots, the sensor and its DPI step table, with the operations that load and save them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/LanguageTable.h"
#include "performance/DpiStepTable.h"
#include "settings/ProfileRecord.h"
#include "settings/SettingsStore.h"

namespace vexmo {

struct ConfigModel {
    static constexpr int kSlots = SettingsStore::kSlots;

    std::string dataDirectory;  // ends with '/'
    LanguageTable language;
    SettingsStore settings;
    std::array<ProfileRecord, kSlots> profiles{};
    uint16_t sensorId = 0;
    int currentSlotTab = 0;  // in-memory current slot, written back by SaveCurrentProfileIndex
    DpiStepTable dpiSteps;

    // The slot named by "CurrentProfile" (0 when that is not 0..4) and its record.
    int currentSlot() const { return settings.CurrentProfile(); }
    ProfileRecord& currentProfile() { return profiles[static_cast<size_t>(currentSlot())]; }
    const ProfileRecord& currentProfile() const {
        return profiles[static_cast<size_t>(currentSlot())];
    }

    std::string configPath() const { return dataDirectory + "config/config.ini"; }
    // The path entry of slot 0..4 in the settings.
    std::string profilePath(int slot) const { return settings.ProfileSlotPath(slot); }

    // Loads config/config.ini and the five profiles; a missing or malformed settings file is
    // replaced by the defaults together with all five profile files. Profiles last adjusted for
    // another sensor take that sensor's DPI defaults. True when the settings file was read
    // without fault.
    bool LoadSettings();
    // Writes the settings file; false when it was not written.
    bool SaveSettings() const;
    // "CurrentProfile" := currentSlotTab, then SaveSettings.
    void SaveCurrentProfileIndex();
    // Each slot to its path entry.
    void SaveAllProfiles() const;
    // Rebuilds the DPI step table for sensorId (unchanged for an unknown sensor).
    void BuildDpiSteps() { dpiSteps.Build(sensorId); }
    // Switches to a sensor the mouse reported: stores it, resets the DPI levels of all five
    // profiles, writes the files and rebuilds the step table. False (nothing changed) when it is
    // the current sensor or one without a step table.
    bool ChangeSensor(uint16_t newSensorId);
};

}  // namespace vexmo
