#include "app/OsdTexts.h"

namespace vexmo {

OsdTexts BuildOsdTexts(const ProfileRecord& profile, const DpiStepTable& steps) {
    int level = DpiStepTable::LevelOfPosition(profile.dpiOffOnFlag, profile.currentDpiLevel);
    if (level < 0 || level > 7) level = 0;
    OsdTexts texts;
    texts.level = u"DPI-" + formatDec(level + 1);
    texts.value = formatDec(50LL * steps.stepValue(profile.xySetting[level]));
    switch (profile.pollingRateValue[0]) {
        case 0:
            texts.rate = u"125Hz";
            break;
        case 1:
            texts.rate = u"250Hz";
            break;
        case 2:
            texts.rate = u"500Hz";
            break;
        default:
            texts.rate = u"1000Hz";
            break;
    }
    return texts;
}

int OsdValueX(size_t length, bool songFace) {
    if (length == 5) return songFace ? 34 : 16;
    if (length == 4) return songFace ? 44 : 34;
    return 50;
}

int OsdRateX(size_t length) {
    return length == 6 ? 50 : 57;
}

}  // namespace vexmo
