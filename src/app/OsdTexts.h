// The three texts of the on-screen display (DPI level, resolution, polling rate) built from a
// profile, and where the display puts them. No windows here, so it is simple to check.
#pragma once

#include "base/Text.h"
#include "performance/DpiStepTable.h"
#include "settings/ProfileRecord.h"

namespace vexmo {

struct OsdTexts {
    Text level;  // "DPI-3"
    Text value;  // "1600"
    Text rate;   // "1000Hz"
    bool operator==(const OsdTexts&) const = default;
};

// From the profile's active DPI position, that level's step and the polling rate.
OsdTexts BuildOsdTexts(const ProfileRecord& profile, const DpiStepTable& steps);

// Design x of the value text for its length in characters; the Song face is narrower.
int OsdValueX(size_t length, bool songFace);
// Design x of the rate text for its length ("1000Hz" is six characters, the others five).
int OsdRateX(size_t length);

}  // namespace vexmo
