// The page write: the state of the main window's settings controls, shown and never shown,
// written into the current profile.
#pragma once

namespace vexmo {

struct ConfigModel;
class MainDisplay;

void StorePageInProfile(ConfigModel& model, MainDisplay& display);

}  // namespace vexmo
