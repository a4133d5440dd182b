#include "ui/CRadioButton.h"

#include <array>
#include <utility>

#include "ui/UiEnvironment.h"

namespace vexmo::ui {

namespace {

struct RadioBit {
    int id;
    uint32_t bit;
    uint32_t group;
};

constexpr uint32_t kGroup1 = 0x7F;
constexpr uint32_t kGroup2 = 0x180;
constexpr uint32_t kGroup3 = 0x600;
constexpr uint32_t kGroup4 = 0x1800;
constexpr uint32_t kGroup5 = 0xE000;
constexpr uint32_t kGroup6 = 0xF0000;
constexpr uint32_t kGroup7 = 0x300000;

constexpr RadioBit kRadioBits[] = {
    {2006, 0x1, kGroup1},      {2080, 0x2, kGroup1},     {2081, 0x4, kGroup1},
    {2082, 0x8, kGroup1},      {2083, 0x10, kGroup1},    {2084, 0x20, kGroup1},
    {2085, 0x40, kGroup1},     {2009, 0x80, kGroup2},    {2010, 0x100, kGroup2},
    {3501, 0x200, kGroup3},    {3502, 0x400, kGroup3},   {3240, 0x800, kGroup4},
    {3250, 0x1000, kGroup4},   {2031, 0x2000, kGroup5},  {2032, 0x4000, kGroup5},
    {2033, 0x8000, kGroup5},   {3030, 0x10000, kGroup6}, {3031, 0x20000, kGroup6},
    {3032, 0x40000, kGroup6},  {3033, 0x80000, kGroup6}, {3510, 0x100000, kGroup7},
    {3511, 0x200000, kGroup7},
};

const RadioBit* Find(int id) {
    for (const RadioBit& entry : kRadioBits) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

}  // namespace

CRadioButton::CRadioButton(platform::Window* parent, int id, const Rect& rect, Text text,
                           bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true) {}

uint32_t CRadioButton::BitOf(int id) {
    const RadioBit* entry = Find(id);
    return entry != nullptr ? entry->bit : 0;
}

uint32_t CRadioButton::GroupOf(int id) {
    const RadioBit* entry = Find(id);
    return entry != nullptr ? entry->group : 0;
}

bool CRadioButton::Selected() const {
    const uint32_t bit = BitOf(id());
    return bit != 0 && (Env().masks.radio & bit) != 0;
}

void CRadioButton::Draw(QPainter& painter, const QRect&) {
    images_.Draw(painter, qrect(), Selected() ? kStatePressed : state_);
}

bool CRadioButton::OnLButtonUp(unsigned, int x, int y) {
    bool changed;
    if (!ReleasedInside(x, y, changed)) return changed;
    if (const uint32_t bit = BitOf(id())) {
        uint32_t& mask = Env().masks.radio;
        mask = (mask & ~GroupOf(id())) | bit;
    }
    NotifyEvent(kClicked);
    return true;
}

}  // namespace vexmo::ui
