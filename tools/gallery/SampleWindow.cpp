#include "SampleWindow.h"

#include <memory>

#include "ui/CBattery.h"
#include "ui/CCheckButton.h"
#include "ui/CColorSelectButton.h"
#include "ui/CComboButton.h"
#include "ui/CDPIRadioButton.h"
#include "ui/CDPIValueShowControl.h"
#include "ui/CImageButton.h"
#include "ui/CLinkButton.h"
#include "ui/CPowerManageButton.h"
#include "ui/CRadioButton.h"
#include "ui/CStaticImage.h"
#include "ui/CStaticText.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo::gallery {

using namespace ui;

namespace {

Rect D(int x, int y, int w, int h) {
    return Rect::fromDesign(x, y, w, h, Env().uiScale);
}

const char16_t* const kFunctions[] = {u"Left Click", u"Right Click", u"Middle Click",
                                      u"Forward",    u"Back",        u"DPI Loop"};

}  // namespace

SampleWindow::SampleWindow() {
    SetSize(Scaled(kMainDesignWidth), Scaled(kMainDesignHeight));
    setName("SampleWindow");
}

int SampleWindow::ControlCount() const {
    int count = 0;
    for (int g = 0; g < kGroupCount; ++g)
        count += static_cast<int>(Group(g).size());
    return count;
}

void SampleWindow::CreateControls(const Rect&) {
    LoadBackgroundFromResource(364);
    panel_ = LoadSkinBitmap("skins/Frame_Lighting_Setting.bmp");

    auto image = [&](int id, Rect r, const char* nr, const char* ov, const char16_t* text) {
        auto* b =
            AddControl(0, std::make_unique<CImageButton>(this, id, r, text, true, true, false));
        b->LoadImages(nr, ov);
        return b;
    };
    auto header = [&](int id, Rect r, const char* nr, const char* ov, const char16_t* title) {
        auto* h = AddControl(0, std::make_unique<CCheckButton>(this, id, r, u"", true, true, false,
                                                               title, title, 0));
        h->images().LoadStates(nr, ov, ov);
        h->SetMargins(Scaled(12), 0);
        h->SetTickedColourWhite();
        h->SetTicked(true);
        return h;
    };
    auto text = [&](int id, Rect r, const Text& label, Colour colour = 0xB4B4B4) {
        return AddControl(0, std::make_unique<CStaticText>(this, id, r, label, true, true, colour,
                                                           kTextSingleLine));
    };

    image(2001, D(1092, 12, 15, 15), "skins/exit_nr.png", "skins/exit_ov.png", u"");
    image(2002, D(1072, 12, 15, 15), "skins/min_nr.png", "skins/min_ov.png", u"");
    header(3008, D(36, 37, 230, 25), "skins/header2_nr.png", "skins/header2_ov.png", u"Buttons");
    for (int i = 0; i < 6; ++i) {
        const int y = std::array{82, 112, 141, 170, 199, 228}[i];
        auto* number = AddControl(
            0, std::make_unique<CStaticImage>(this, 3400, D(52, y, 21, 19), u"", true, true));
        number->LoadImage("skins/mouse/serial_number" + std::to_string(i + 1) + ".png");
        auto* combo = AddControl(
            0, std::make_unique<CComboButton>(this, 1028, 2013 + i, D(82, y - 1, 162, 21), u"", 1,
                                              true, true, false, 0, kFunctions[i]));
        combo->ResetHover();
        combo->LoadNormalImage("skins/combo2_nr.png");
        combo->LoadHoverImage("skins/combo2_ov.png");
    }
    image(2062, D(36, 320, 230, 25), "skins/button1_nr.png", "skins/button1_ov.png",
          u"Macro Manager");
    header(3007, D(36, 398, 230, 25), "skins/header2_nr.png", "skins/header2_ov.png", u"Battery");
    auto* battery =
        AddControl(0, std::make_unique<CBattery>(this, D(80, 433, 30, 61), u"", true, true));
    battery->LoadImages("skins/battery_full.png", "skins/battery_empty.png",
                        "skins/battery_charging.png", "skins/battery_lighting.png");
    battery->SetLevel(70);
    text(3405, D(115, 480, 40, 18), u"70%");
    const char* dots[] = {"skins/battery_green.png", "skins/battery_orange.png",
                          "skins/battery_red.png"};
    const char16_t* legends[] = {u"High", u"Medium", u"Low"};
    for (int i = 0; i < 3; ++i) {
        const int y = std::array{441, 462, 484}[i];
        auto* dot = AddControl(
            0, std::make_unique<CStaticImage>(this, 3401, D(165, y, 8, 8), u"", true, true));
        dot->LoadImage(dots[i]);
        text(3402, D(180, y - 2, 140, 18), legends[i]);
    }
    header(3010, D(36, 525, 230, 25), "skins/header2_nr.png", "skins/header2_ov.png",
           u"Power saving");
    auto* power = AddControl(
        0, std::make_unique<CPowerManageButton>(this, D(81, 550, 140, 84), u"", true, true, false));
    power->LoadImages();
    text(3407, D(36, 640, 230, 18), u"Sleep after 6 minutes");
    for (int i = 0; i < 2; ++i) {
        auto* check = AddControl(
            0, std::make_unique<CCheckButton>(this, i == 0 ? 3501 : 3504,
                                              D(50, 658 + 20 * i, 15, 15), u"", true, true, false));
        check->images().LoadStates("skins/check_nr.png", "skins/check_ov.png",
                                   "skins/check_dn.png");
        check->SetTicked(true);
        text(3402, D(70, 658 + 20 * i, 200, 18),
             i == 0 ? u"Lighting while moving" : u"Wake up by motion");
    }
    auto* mouse = AddControl(
        0, std::make_unique<CStaticImage>(this, 3400, D(457, 171, 215, 398), u"", true, true));
    mouse->LoadImage("skins/mouse/mouse_nr.png");
    image(3502, D(36, 700, 69, 20), "skins/button2_nr.png", "skins/button2_ov.png", u"Profile");
    text(3021, D(150, 702, 210, 18), u"Version:1.1.12");
    auto* link =
        AddControl(0, std::make_unique<CLinkButton>(this, D(463, 660, 200, 18), u"www.example.com",
                                                    true, true, false));
    link->SetFont(Scaled(16), u"Tahoma");
    image(2045, D(1040, 700, 69, 20), "skins/button2_nr.png", "skins/button2_ov.png", u"Reset");

    // Section A: DPI levels.
    header(3001, D(846, 37, 262, 25), "skins/header_nr.png", "skins/header_ov.png", u"DPI");
    for (int i = 0; i < 6; ++i) {
        auto* enable = AddControl(
            1, std::make_unique<CCheckButton>(this, 3260 + i, D(881 + 36 * i, 226, 11, 11), u"",
                                              true, true, false));
        enable->images().LoadStates("skins/check_button_dpi_nr.png",
                                    "skins/check_button_dpi_ov.png",
                                    "skins/check_button_dpi_dn.png");
        enable->SetTicked(i < 5);
        auto* colour = AddControl(1, std::make_unique<CColorSelectButton>(
                                         this, 3270 + i, D(874 + 36 * i, 240, 26, 12), u"", true,
                                         true, false, D(874 + 36 * i, 240, 26, 12)));
        colour->SetColor(
            std::array<Colour, 6>{0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00}[i]);
        auto* gauge =
            AddControl(1, std::make_unique<CDPIValueShowControl>(
                              this, 3300 + i, D(883 + 36 * i, 75, 7, 132), u"", true, true, false));
        gauge->LoadImages("skins/mouse/dpi_bar_1.png", "skins/mouse/dpi_bar_2.png");
        gauge->SetMaximum(60);
        gauge->SetValue(8 + 9 * i);
        auto* level = AddControl(
            1, std::make_unique<CDPIRadioButton>(this, 3290 + i, D(874 + 36 * i, 212, 26, 11), u"",
                                                 true, true, i == 5));
        level->images().LoadStrip("skins/dpi_value.png", 3);
        level->SetValueSteps(std::array{8, 16, 32, 48, 64, 96}[i]);
        level->SetFont(Scaled(11), u"Tahoma");
        level->SetTextColour(i == 2 ? 0x0000FF : 0xB4B4B4);
    }
    // Section D: polling rate.
    header(3004, D(846, 263, 262, 25), "skins/header_nr.png", "skins/header_ov.png",
           u"Polling rate");
    const char* rates[] = {"125hz", "250hz", "500hz", "1000hz"};
    const int rateX[] = {59, 59, 131, 131};
    const int rateY[] = {20, 92, 92, 20};
    for (int i = 0; i < 4; ++i) {
        auto* rate = AddControl(2, std::make_unique<CRadioButton>(
                                       this, 3030 + i, D(846 + rateX[i], 288 + rateY[i], 72, 72),
                                       u"", true, true, false));
        rate->images().LoadStates(std::string("skins/") + rates[i] + "_nr.png", "",
                                  std::string("skins/") + rates[i] + "_dn.png");
    }
    AddControl(
        3, std::make_unique<CStaticText>(this, 3144, D(846 + 88, 288 + 83, 85, 18), u"500 Hz", true,
                                         true, 0xFFFFFF, kTextSingleLine | kTextCenter));
    Env().masks.radio = (Env().masks.radio & ~0xF0000u) | 0x40000u;
    // Section C: system settings.
    header(3003, D(846, 473, 262, 25), "skins/header_nr.png", "skins/header_ov.png", u"System");
    image(3330, D(866, 528, 215, 45), "skins/button4_nr.png", "skins/button4_nr.png",
          u"Mouse properties");
}

void SampleWindow::DrawBackground(QPainter& painter, const QRect& client) {
    DrawBaseAndBackground(painter, client);
    for (const Rect& r :
         {D(36, 62, 230, 205), D(36, 311, 230, 43), D(36, 423, 230, 82), D(36, 550, 230, 146),
          D(846, 62, 262, 196), D(846, 288, 262, 180), D(846, 498, 262, 110)}) {
        panel_.draw(painter, ToQRect(r), QRect(0, 0, 230, 82));
    }
    DrawControls(painter, client);
}

}  // namespace vexmo::gallery
