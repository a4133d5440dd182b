#include "app/MainDisplay.h"

#include "app/LanguageTable.h"
#include "device/DeviceSession.h"
#include "performance/DpiStepTable.h"
#include "settings/ConfigModel.h"
#include "ui/CBattery.h"
#include "ui/CCheckButton.h"
#include "ui/CColorSelectButton.h"
#include "ui/CComboButton.h"
#include "ui/CDPIRadioButton.h"
#include "ui/CDPIValueShowControl.h"
#include "ui/CDlgBase.h"
#include "ui/CImageButton.h"
#include "ui/CLinkButton.h"
#include "ui/CPowerManageButton.h"
#include "ui/CRadioButton.h"
#include "ui/CStaticImage.h"
#include "ui/CStaticText.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo {

namespace {

using ui::Scaled;
using Section = SectionLayout::Section;

// Control groups: what lies outside the sections first, then the sections in the order A, C, D,
// E, which is the drawing order.
constexpr int kFrameGroup = 0;
constexpr int groupOf(Section s) {
    switch (s) {
        case SectionLayout::kDpi:
            return 1;
        case SectionLayout::kSystem:
            return 2;
        case SectionLayout::kPolling:
            return 3;
        default:
            return 4;
    }
}

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kGrey = 0xB4B4B4;
constexpr Colour kActiveLabel = 0x0000FF;  // red
constexpr const char16_t* kTahoma = u"Tahoma";

Rect design(int x, int y, int w, int h) {
    return Rect::fromDesign(x, y, w, h, ui::Env().uiScale);
}

constexpr int kButtonRowY[6] = {82, 112, 141, 170, 199, 228};
constexpr int kLegendY[3] = {441, 462, 484};
const char* const kLegendDots[3] = {"skins/battery_green.png", "skins/battery_orange.png",
                                    "skins/battery_red.png"};
const char* const kPollingSkins[4] = {"125hz", "250hz", "500hz", "1000hz"};
constexpr int kPollingPos[4][2] = {{59, 20}, {59, 92}, {131, 92}, {131, 20}};
constexpr int kSensorHeader = 3011;

std::string numbered(const char* stem, int n) {
    return stem + std::to_string(n) + ".png";
}

// Selects a radio button in the shared mask (its group's other bits cleared).
void selectRadio(int radioId) {
    const uint32_t bit = ui::CRadioButton::BitOf(radioId);
    uint32_t& mask = ui::Env().masks.radio;
    mask = (mask & ~ui::CRadioButton::GroupOf(radioId)) | bit;
}

}  // namespace

MainDisplay::MainDisplay(ui::CDlgBase& window) : window_(window) {}

template <class T>
T* MainDisplay::Add(Section section, std::unique_ptr<T> control, int x, int y, int w, int h,
                    bool fixed) {
    T* raw = window_.AddControl(groupOf(section), std::move(control));
    sectionControls_.push_back({raw, section, x, y, w, h, fixed});
    return raw;
}

void MainDisplay::CreateControls(const LanguageTable& language, int dpiStepCount,
                                 bool sensorOption) {
    if (created_) return;
    created_ = true;
    panel_ = ui::LoadSkinBitmap("skins/Frame_Lighting_Setting.bmp");
    sections_.setSensorShown(sensorOption);
    CreateLeftColumn(language);
    CreateSections(language, dpiStepCount);
    ApplySections();
}

void MainDisplay::CreateLeftColumn(const LanguageTable& language) {
    ui::CDlgBase* w = &window_;
    auto add = [&](auto control) { return window_.AddControl(kFrameGroup, std::move(control)); };
    auto imageButton = [&](int controlId, Rect r, Text text, const char* normal,
                           const char* hover) {
        auto* b = add(std::make_unique<ui::CImageButton>(w, controlId, r, std::move(text), true,
                                                         true, false));
        b->LoadImages(normal, hover);
        return b;
    };
    auto header2 = [&](int controlId, int y, int textEntry) {
        auto* h = add(std::make_unique<ui::CCheckButton>(w, controlId, design(36, y, 230, 25),
                                                         language.text(textEntry), true, true,
                                                         false, Text{}, Text{}, 0));
        h->images().LoadStates("skins/header2_nr.png", "skins/header2_ov.png",
                               "skins/header2_nr.png");
        h->SetTextColours(kWhite, kWhite, kWhite);
        h->SetMargins(Scaled(12), Scaled(24));
        // A title of the left column: it looks like a section header but opens nothing.
        h->SetDisabled(true);
    };
    auto text = [&](int controlId, Rect r, Text label, Colour colour = kGrey) {
        return add(std::make_unique<ui::CStaticText>(
            w, controlId, r, std::move(label), true, true, colour,
            ui::kTextLeft | ui::kTextVCenter | ui::kTextSingleLine));
    };

    imageButton(id::kClose, design(1092, 12, 15, 15), {}, "skins/exit_nr.png", "skins/exit_ov.png");
    imageButton(id::kMinimise, design(1072, 12, 15, 15), {}, "skins/min_nr.png",
                "skins/min_ov.png");
    header2(3008, 37, 9);
    for (int n = 0; n < 6; ++n) {
        auto* number = add(std::make_unique<ui::CStaticImage>(
            w, 3400, design(52, kButtonRowY[n], 21, 19), Text{}, true, true));
        number->LoadImage(numbered("skins/mouse/serial_number", n + 1));
    }
    for (int n = 0; n < 6; ++n) {
        auto* slot = add(
            std::make_unique<ui::CComboButton>(w, id::kButtonSlotNotice, id::kFirstButtonSlot + n,
                                               design(82, kButtonRowY[n] - 1, 162, 21), Text{}, 0,
                                               true, true, false, 0, Text(u"Disable")));
        slot->ResetHover();
        slot->SetRightMargin(Scaled(22));
        slot->LoadNormalImage("skins/combo2_nr.png");
        slot->LoadHoverImage("skins/combo2_ov.png");
        buttonSlots_[n] = slot;
    }
    imageButton(id::kMacroManager, design(36, 320, 230, 25), language.text(8),
                "skins/button1_nr.png", "skins/button1_ov.png");
    header2(3007, 398, 15);
    battery_ = add(std::make_unique<ui::CBattery>(w, design(80, 433, 30, 61), Text{}, true, true));
    battery_->LoadImages("skins/battery_full.png", "skins/battery_empty.png",
                         "skins/battery_charging.png", "skins/battery_lighting.png");
    batteryText_ = text(id::kBatteryText, design(115, 480, 40, 18), u"100%");
    batteryText_->SetFont(ui::Env().uiFont.height, kTahoma);
    for (int i = 0; i < 3; ++i) {
        auto* dot = add(std::make_unique<ui::CStaticImage>(w, 3401, design(165, kLegendY[i], 8, 8),
                                                           Text{}, true, true));
        dot->LoadImage(kLegendDots[i]);
        text(3402, design(180, kLegendY[i] - 2, 140, 18), language.text(16 + i));
    }
    header2(3010, 525, 265);
    sleepTime_ = add(std::make_unique<ui::CPowerManageButton>(w, design(81, 550, 140, 84), Text{},
                                                              true, true, false));
    sleepTime_->LoadImages();
    sleepTimeText_ = text(id::kSleepTimeText, design(36, 640, 230, 18), {});
    sleepTimeText_->SetFormat(ui::kTextCenter | ui::kTextVCenter | ui::kTextSingleLine);
    auto check = [&](int controlId, int y) {
        auto* c = add(std::make_unique<ui::CCheckButton>(w, controlId, design(50, y, 15, 15),
                                                         Text{}, true, true, false));
        c->images().LoadStates("skins/check_nr.png", "skins/check_ov.png", "skins/check_dn.png");
        c->SetTicked(true);
        return c;
    };
    moveLighting_ = check(id::kMoveLighting, 658);
    motionWakeup_ = check(id::kMotionWakeup, 678);
    text(3402, design(70, 658, 200, 18), language.text(268));
    text(3402, design(70, 678, 200, 18), language.text(274));
    auto* mouse = add(std::make_unique<ui::CStaticImage>(w, 3400, design(457, 171, 215, 398),
                                                         Text{}, true, true));
    mouse->LoadImage("skins/mouse/mouse_nr.png");
    imageButton(id::kProfileMenu, design(36, 700, 69, 20), language.text(1), "skins/button2_nr.png",
                "skins/button2_ov.png");
    text(3021, design(150, 702, 210, 18), language.text(3) + u":1.1.12");
    auto* link = add(std::make_unique<ui::CLinkButton>(w, design(463, 660, 200, 18), kWebAddress,
                                                       true, true, false));
    link->SetFont(ui::Env().uiFont.height, kTahoma);
    imageButton(id::kRestore, design(1040, 700, 69, 20), language.text(7), "skins/button2_nr.png",
                "skins/button2_ov.png");

    // Section headers stay outside the sections: they are placed by the column layout.
    const std::pair<Section, int> headers[] = {{SectionLayout::kDpi, 11},
                                               {SectionLayout::kPolling, 13},
                                               {SectionLayout::kSensor, 19},
                                               {SectionLayout::kSystem, 14}};
    const int headerIds[] = {id::kHeaderDpi, id::kHeaderPolling, id::kHeaderSensor,
                             id::kHeaderSystem};
    for (int i = 0; i < 4; ++i) {
        const Section s = headers[i].first;
        auto* h = add(std::make_unique<ui::CCheckButton>(
            w, headerIds[i], design(SectionLayout::kLeft, 0, SectionLayout::kWidth, 25),
            language.text(headers[i].second), true,
            s != SectionLayout::kSensor || sections_.sensorShown(), false, Text{}, Text{}, 0));
        // An open section shows the header as hovered; the skins have no pressed look.
        h->images().LoadStates("skins/header_nr.png", "skins/header_ov.png", "skins/header_ov.png");
        h->SetTextColours(kWhite, kWhite, kWhite);
        h->SetMargins(Scaled(12), Scaled(24));
        h->SetTicked(sections_.isOpen(s));
        headers_[s] = h;
    }
}

void MainDisplay::CreateSections(const LanguageTable& language, int dpiStepCount) {
    ui::CDlgBase* w = &window_;
    const Section dpi = SectionLayout::kDpi;
    for (int k = 0; k < kDpiLevels; ++k) {
        // Levels 6 and 7 have controls that are never shown; they keep their values.
        const bool shown = k < kDpiLevelsShown;
        const int x = 36 * k;
        auto* sw = Add(dpi,
                       std::make_unique<ui::CCheckButton>(w, id::kFirstDpiSwitch + k, Rect{},
                                                          Text{}, true, shown, false),
                       881 + x, 226, 11, 11, true);
        sw->images().LoadStates("skins/check_button_dpi_nr.png", "skins/check_button_dpi_ov.png",
                                "skins/check_button_dpi_dn.png");
        dpiSwitches_[k] = sw;
        // The swatch fills its whole rectangle; the DPI section never moves.
        const Rect swatch = design(874 + x, 240, 26, 12);
        dpiColours_[k] =
            Add(dpi,
                std::make_unique<ui::CColorSelectButton>(w, id::kFirstDpiColour + k, swatch, Text{},
                                                         true, shown, false, swatch),
                874 + x, 240, 26, 12, true);
        auto* value = Add(dpi,
                          std::make_unique<ui::CDPIValueShowControl>(
                              w, id::kFirstDpiValue + k, Rect{}, Text{}, true, shown, false),
                          883 + x, 75, 7, 132, true);
        value->LoadImages("skins/mouse/dpi_bar_1.png", "skins/mouse/dpi_bar_2.png");
        value->SetMaximum(dpiStepCount);
        dpiValues_[k] = value;
        auto* label = Add(dpi,
                          std::make_unique<ui::CDPIRadioButton>(w, id::kFirstDpiLabel + k, Rect{},
                                                                Text{}, true, shown, false),
                          874 + x, 212, 26, 11, true);
        label->images().LoadStrip("skins/dpi_value.png", 3);
        // Five digits fit the 26-unit label only in a small face.
        label->SetFont(Scaled(8), kTahoma);
        dpiLabels_[k] = label;
    }

    const Section polling = SectionLayout::kPolling;
    for (int i = 0; i < 4; ++i) {
        auto* radio = Add(polling,
                          std::make_unique<ui::CRadioButton>(w, id::kFirstPollingRadio + i, Rect{},
                                                             Text{}, true, true, false),
                          kPollingPos[i][0], kPollingPos[i][1], 72, 72, false);
        const std::string stem = std::string("skins/") + kPollingSkins[i];
        radio->images().LoadStates(stem + "_nr.png", stem + "_nr.png", stem + "_dn.png");
        pollingLabels_[i] =
            Add(polling,
                std::make_unique<ui::CStaticText>(
                    w, id::kFirstPollingLabel + i, Rect{}, language.text(261 + i), true, false,
                    kGrey, ui::kTextCenter | ui::kTextVCenter | ui::kTextSingleLine),
                88, 83, 85, 18, false);
    }

    const Section sensor = SectionLayout::kSensor;
    const int liftIds[2] = {id::kLiftNear, id::kLiftFar};
    for (int i = 0; i < 2; ++i) {
        auto* radio = Add(
            sensor,
            std::make_unique<ui::CRadioButton>(w, liftIds[i], Rect{}, Text{}, true, true, false),
            80 + 80 * i, 27, 15, 15, false);
        radio->images().LoadStates("skins/radio_nr.png", "skins/radio_ov.png",
                                   "skins/radio_dn.png");
        Add(sensor,
            std::make_unique<ui::CStaticText>(
                w, 3520 + i, Rect{}, language.text(270 + i), true, true, kGrey,
                ui::kTextCenter | ui::kTextVCenter | ui::kTextSingleLine),
            64 + 80 * i, 47, 47, 18, false);
    }

    auto* settings = Add(SectionLayout::kSystem,
                         std::make_unique<ui::CImageButton>(w, id::kMouseSettings, Rect{},
                                                            language.text(260), true, true, false),
                         20, 30, 215, 45, false);
    settings->LoadImages("skins/button4_nr.png", "skins/button4_nr.png");
}

void MainDisplay::ApplySections() {
    for (int s = 0; s < SectionLayout::kSectionCount; ++s) {
        const auto section = static_cast<Section>(s);
        ui::CCheckButton* h = header(section);
        h->SetRect(design(SectionLayout::kLeft, sections_.headerTop(section), SectionLayout::kWidth,
                          SectionLayout::kHeaderHeight));
        h->SetShown(section != SectionLayout::kSensor || sections_.sensorShown());
        h->SetTicked(sections_.isOpen(section));
    }
    for (const SectionControl& c : sectionControls_) {
        const int top = c.fixed ? c.y : sections_.contentTop(c.section) + c.y;
        const int left = c.fixed ? c.x : SectionLayout::kLeft + c.x;
        c.control->SetRect(design(left, top, c.w, c.h));
        c.control->SetVisible(sections_.isOpen(c.section));
    }
}

bool MainDisplay::HeaderClicked(int headerId) {
    Section section;
    switch (headerId) {
        case id::kHeaderDpi:
            section = SectionLayout::kDpi;
            break;
        case id::kHeaderPolling:
            section = SectionLayout::kPolling;
            break;
        case id::kHeaderSensor:
            section = SectionLayout::kSensor;
            break;
        case id::kHeaderSystem:
            section = SectionLayout::kSystem;
            break;
        default:
            return false;
    }
    sections_.HeaderClicked(section, header(section)->ticked());
    ApplySections();
    return true;
}

void MainDisplay::SetSensorOptionShown(bool shown) {
    sections_.setSensorShown(shown);
    ApplySections();
}

void MainDisplay::SetDpiMaximum(int stepCount) {
    for (auto* value : dpiValues_)
        value->SetMaximum(stepCount);
}

void MainDisplay::PaintPanel(QPainter& painter, int x, int y, int w, int h) {
    const QRect target = ui::ToQRect(design(x, y, w, h));
    panel_.draw(painter, target);
}

void MainDisplay::PaintContent(QPainter& painter) {
    PaintPanel(painter, 36, 62, 230, 205);
    PaintPanel(painter, 36, 311, 230, 43);
    PaintPanel(painter, 36, 423, 230, 82);
    PaintPanel(painter, 36, 550, 230, 146);
    for (int s = 0; s < SectionLayout::kSectionCount; ++s) {
        const auto section = static_cast<Section>(s);
        if (sections_.isOpen(section)) {
            PaintPanel(painter, SectionLayout::kLeft, sections_.contentTop(section),
                       SectionLayout::kWidth, SectionLayout::kContentHeight[s]);
        }
    }
    if (highlightedButton_ >= 1 && highlightedButton_ <= 6) {
        numberPicture_.draw(painter, ui::ToQRect(design(457, 171, 215, 398)));
    }
}

void MainDisplay::SetHighlightedButton(int button) {
    if (button == highlightedButton_) return;
    highlightedButton_ = button;
    // Each picture is as large as the mouse picture: only the one shown is kept.
    numberPicture_ = button >= 1 && button <= 6
                         ? ui::LoadSkinImage(numbered("skins/mouse/number", button))
                         : ui::SkinImage();
    window_.invalidate(ui::ToQRect(design(457, 171, 215, 398)));
}

void MainDisplay::RefreshDpi(const ConfigModel& model) {
    const ProfileRecord& profile = model.currentProfile();
    workingDpiPosition_ = profile.currentDpiLevel;
    const int active = DpiStepTable::LevelOfPosition(profile.dpiOffOnFlag, workingDpiPosition_);
    for (int k = 0; k < kDpiLevels; ++k) {
        const bool enabled = (profile.dpiOffOnFlag >> k) & 1;
        const int step = profile.xySetting[k];
        dpiSwitches_[k]->SetTicked(enabled);
        dpiLabels_[k]->SetTextColour(k == active ? kActiveLabel : kGrey);
        dpiLabels_[k]->SetValueSteps(static_cast<int>(model.dpiSteps.stepValue(step)));
        dpiLabels_[k]->SetDisabled(!enabled);
        dpiColours_[k]->SetColor(profile.dpiLevelIndication[k]);
        dpiValues_[k]->SetValue(step);
    }
}

void MainDisplay::Refresh(ConfigModel& model, const LanguageTable& language) {
    model.currentSlotTab = model.currentSlot();
    ProfileRecord& profile = model.currentProfile();

    for (int n = 0; n < 6; ++n)
        buttonSlots_[n]->SetCaption(profile.buttons[n].name);

    RefreshDpi(model);
    const int polling = std::min<int>(profile.pollingRateValue[0], 3);
    selectRadio(id::kFirstPollingRadio + polling);
    for (int i = 0; i < 4; ++i)
        pollingLabels_[i]->SetShown(i == polling);

    selectRadio(profile.number(kLiftDetectionHeight) == 1 ? id::kLiftNear : id::kLiftFar);
    holders_.Load(profile);

    moveLighting_->SetTicked(profile.number(kMoveLightingOnOffMode) == 1);
    motionWakeup_->SetTicked(profile.number(kMotionWakeup) == 1);
    sleepTime_->SetValue(static_cast<int>(profile.number(kPowerDownTime)));
    sleepTimeText_->SetLabel(language.text(266) + formatDec(profile.number(kPowerDownTime)) +
                             language.text(267));

    window_.invalidate();
}

void MainDisplay::ShowBattery(const DeviceStatus& status) {
    const int level = status.battery > 100 ? 0 : status.battery;
    const auto mode = status.charging == 1   ? ui::CBattery::Mode::Charging
                      : status.charging == 2 ? ui::CBattery::Mode::Full
                                             : ui::CBattery::Mode::Normal;
    const Text label = formatDec(level) + u"%";
    // Only what looks different is repainted, so an idle tick costs no drawing.
    const bool batteryChanged = mode == ui::CBattery::Mode::Charging || mode != battery_->mode() ||
                                level != battery_->level();
    const bool textChanged =
        label != batteryText_->label() || batteryText_->shown() != (status.charging != 1);
    battery_->AdvanceAnimation();
    battery_->SetLevel(level);
    battery_->SetMode(mode);
    batteryText_->SetLabel(label);
    batteryText_->SetShown(status.charging != 1);
    if (batteryChanged) window_.invalidate(battery_->qrect());
    if (textChanged) window_.invalidate(batteryText_->qrect());
}

uint8_t MainDisplay::dpiSwitchMask() const {
    uint8_t mask = 0;
    for (int k = 0; k < kDpiLevels; ++k)
        if (dpiSwitches_[k]->ticked()) mask |= static_cast<uint8_t>(1u << k);
    return mask;
}

int MainDisplay::selectedPollingIndex() const {
    for (int i = 0; i < 4; ++i) {
        if (ui::Env().masks.radio & ui::CRadioButton::BitOf(id::kFirstPollingRadio + i)) return i;
    }
    return 3;
}

bool MainDisplay::liftNearSelected() const {
    return (ui::Env().masks.radio & ui::CRadioButton::BitOf(id::kLiftNear)) != 0;
}

}  // namespace vexmo
