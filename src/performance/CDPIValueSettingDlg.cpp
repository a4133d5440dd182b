#include "performance/CDPIValueSettingDlg.h"

#include <algorithm>
#include <cmath>

#include "platform/Services.h"
#include "ui/CStaticImage.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo {

namespace {
constexpr int kVkLeft = 0x25;
constexpr int kVkRight = 0x27;
constexpr Colour kGrey = 0xB4B4B4;
constexpr Colour kWhite = 0xFFFFFF;
constexpr int kTitleFontHeight = 18;
constexpr double kEditFontPoints = 10.0;
}  // namespace

CDPIValueSettingDlg::CDPIValueSettingDlg(const LanguageTable& language, const DpiStepTable& steps,
                                         int stepCount, int currentStep)
    : CFramedDlg("CDPIValueSettingDlg", kDesignWidth, kDesignHeight),
      language_(language),
      steps_(steps),
      count_(std::clamp(stepCount, 0, steps.count())),
      // Without steps there is nothing to choose: the level keeps its step.
      chosen_(count_ > 0 ? std::clamp(currentStep, 0, count_ - 1) : currentStep) {}

CDPIValueSettingDlg::~CDPIValueSettingDlg() = default;

void CDPIValueSettingDlg::CreateControls(const Rect&) {
    const double s = ui::Env().uiScale;
    SetFrame(ui::LoadSkinBitmap("skins/Frame_DPI.bmp"));
    AddText(kTitleId, Design(20, 3, 230, 27), language_.text(273), kWhite, ui::kTextLeft,
            ui::Scaled(kTitleFontHeight));
    AddCloseButton(Design(405, 4, 420, 19));
    AddText(kTitleId, Design(0, 68, 60, 86), formatDec(steps_.resolution(0)), kGrey,
            ui::kTextRight);
    auto* track = AddControl(0, std::make_unique<ui::CStaticImage>(
                                    this, kTrackId, Design(69, 72, 359, 75), Text(), true, true));
    track->LoadImage("skins/Slider_bar.png");
    slider_ = AddControl(0, std::make_unique<ui::CSliderControl>(
                                this, kSliderId, Design(69, 67, 359, 80), std::max(count_, 1),
                                ui::Scaled(6), ui::Scaled(7), Text(), true, true, count_ <= 0));
    slider_->LoadThumbImage("skins/Slider_Circle.png");
    slider_->SetValue(count_ > 0 ? chosen_ : 0);
    AddText(kTitleId, Design(365, 68, 425, 86), formatDec(steps_.resolution(count_ - 1)), kGrey,
            ui::kTextLeft);
    value_ = AddText(kValueId, Design(0, 90, 429, 108), Text(), kGrey, ui::kTextCenter);
    AddTextButton(kOkId, Design(350, 110, 419, 130), language_.text(4));

    edit_ = createEditField(kEditId, ui::ToQRect(Design(165, 35, 265, 57)));
    if (edit_ != nullptr) {
        // 10 points at the layout scale, undoing the desktop's font scale as the layout does.
        const double pixels = kEditFontPoints * s / platform::services().fontDpiFactor() *
                              platform::services().logicalDpiY() / 72.0;
        edit_->setFont(ui::MakeFont(u"Tahoma", static_cast<int>(std::lround(pixels))));
        edit_->setCentred(true);
        edit_->setColours(Qt::black, Qt::white);
        edit_->setFocus();
    }
    ShowChosen();
}

void CDPIValueSettingDlg::ShowChosen() {
    const Text text = formatDec(steps_.resolution(chosen_));
    value_->SetLabel(text);
    invalidate(value_->qrect());
    if (edit_ != nullptr) {
        edit_->setText(text);
        edit_->selectAll();  // typing replaces the shown value
    }
}

void CDPIValueSettingDlg::Choose(int step) {
    if (count_ <= 0) return;
    chosen_ = std::clamp(step, 0, count_ - 1);
    slider_->SetValue(chosen_);
    invalidate(slider_->qrect());
    ShowChosen();
}

void CDPIValueSettingDlg::ApplyTypedText() {
    if (count_ <= 0 || edit_ == nullptr) return;
    const long wanted = parseDec(edit_->text());
    int step = count_ - 1;
    for (int i = 0; i < count_; ++i) {
        if (static_cast<long long>(steps_.resolution(i)) >= wanted) {
            step = i;
            break;
        }
    }
    Choose(step);
}

bool CDPIValueSettingDlg::filterKey(const platform::KeyEvent& event) {
    if (event.action != platform::KeyAction::Char &&
        (event.vk == kVkLeft || event.vk == kVkRight)) {
        if (event.action == platform::KeyAction::Down) {
            Choose(chosen_ + (event.vk == kVkLeft ? -1 : 1));
        }
        return true;
    }
    return CFramedDlg::filterKey(event);
}

void CDPIValueSettingDlg::OnControl(int id, uintptr_t wparam, intptr_t event) {
    if (id == kSliderId && count_ > 0) {
        if (event == ui::kValueChanged) {
            chosen_ = std::clamp(static_cast<int>(wparam), 0, count_ - 1);
            ShowChosen();
        } else if (event == ui::kClicked) {
            chosen_ = slider_->value();
            ShowChosen();
        }
    } else if (id == kOkId && event == ui::kClicked) {
        ApplyTypedText();
        Finish(kOk);
    }
}

}  // namespace vexmo
