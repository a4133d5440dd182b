#include "settings/ConfigModel.h"

#include "settings/ProfileFile.h"

namespace vexmo {

bool ConfigModel::LoadSettings() {
    const bool readWithoutFault = settings.ReadFile(configPath());
    if (!readWithoutFault) {
        settings.ResetToDefaults(dataDirectory);
        SaveSettings();
        sensorId = settings.Sensor();
        for (int slot = 0; slot < kSlots; ++slot) {
            ResetProfile(profiles[slot], slot, language, sensorId);
            SaveProfileFile(profiles[slot], profilePath(slot));
        }
    }
    // The sensor is taken before the profiles load, so a profile reset because its file is
    // damaged gets the DPI levels of the sensor the settings name.
    sensorId = settings.Sensor();
    for (int slot = 0; slot < kSlots; ++slot)
        LoadProfileFile(*this, slot, profilePath(slot));

    const auto adjustedFor = static_cast<uint16_t>(~settings.PreST());
    if (adjustedFor != sensorId) {
        settings.SetPreST(static_cast<uint16_t>(~sensorId));
        SaveCurrentProfileIndex();
        for (ProfileRecord& profile : profiles)
            ApplySensorDefaults(profile, sensorId);
        SaveAllProfiles();
    }
    return readWithoutFault;
}

bool ConfigModel::SaveSettings() const {
    return settings.SaveSettings(configPath());
}

void ConfigModel::SaveCurrentProfileIndex() {
    settings.SetCurrentProfile(currentSlotTab);
    SaveSettings();
}

void ConfigModel::SaveAllProfiles() const {
    for (int slot = 0; slot < kSlots; ++slot)
        SaveProfileFile(profiles[slot], profilePath(slot));
}

bool ConfigModel::ChangeSensor(uint16_t newSensorId) {
    if (newSensorId == sensorId || !DpiStepTable::IsKnownSensor(newSensorId)) return false;
    sensorId = newSensorId;
    settings.SetSensor(sensorId);
    settings.SetPreST(static_cast<uint16_t>(~sensorId));
    SaveCurrentProfileIndex();
    for (ProfileRecord& profile : profiles)
        ApplySensorDefaults(profile, sensorId);
    SaveAllProfiles();
    BuildDpiSteps();
    return true;
}

}  // namespace vexmo
