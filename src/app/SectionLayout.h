// The collapsible sections of the main window's right column: which are open, the rule that
// keeps at most two open, and where each header and content area lies.
#pragma once

#include <array>

namespace vexmo {

class SectionLayout {
public:
    // In the column's order from top to bottom, which is also the order of the opening rule.
    enum Section { kDpi = 0, kPolling = 1, kSensor = 2, kSystem = 3, kSectionCount = 4 };

    static constexpr int kLeft = 846;
    static constexpr int kWidth = 262;
    static constexpr int kHeaderHeight = 25;
    static constexpr int kDpiTop = 37;
    static constexpr std::array<int, kSectionCount> kContentHeight = {196, 180, 85, 110};

    bool isOpen(Section s) const { return open_[s] && (s != kSensor || sensorShown_); }
    void setOpen(Section s, bool open) { open_[s] = open; }
    bool sensorShown() const { return sensorShown_; }
    void setSensorShown(bool shown) { sensorShown_ = shown; }

    // After a header toggled itself: when the clicked section is now open and one of the first
    // two other sections (in column order) is open, the first open one stays and every other
    // section but the clicked one closes. Closing changes nothing else.
    void HeaderClicked(Section clicked, bool nowOpen);

    // Design y of a section's header (the sensor header only while shown).
    int headerTop(Section s) const;
    // Design y where an open section's content starts (just below its header).
    int contentTop(Section s) const { return headerTop(s) + kHeaderHeight; }

private:
    std::array<bool, kSectionCount> open_ = {true, true, false, false};
    bool sensorShown_ = false;
};

}  // namespace vexmo
