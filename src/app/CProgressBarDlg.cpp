#include "app/CProgressBarDlg.h"

#include <algorithm>

#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo {

namespace {
constexpr Colour kMessageColour = 0xBEBEBE;
constexpr int kMessageFontHeight = 18;
constexpr int kBarTop = 66;
constexpr int kBarBottom = 78;
}  // namespace

CProgressBarDlg::CProgressBarDlg(Text caption, Text message)
    : CFramedDlg("CProgressBarDlg", kDesignWidth, kDesignHeight),
      caption_(std::move(caption)),
      message_(std::move(message)) {}

CProgressBarDlg::~CProgressBarDlg() = default;

void CProgressBarDlg::CreateControls(const Rect&) {
    SetFrame(ui::LoadSkinBitmap("skins/Frame_progress_nr.bmp"));
    bar_ = ui::LoadSkinBitmap("skins/Frame_progress_ov.bmp");
    // The message may use the whole title band: with the desktop's stand-in for the interface
    // face a short message is already wider than the band's first 154 units.
    AddText(kMessageId, Design(10, 3, 419, 23), message_, kMessageColour, ui::kTextLeft,
            ui::Scaled(kMessageFontHeight));
    percent_ = 0;
    setTimer(kStepTimer, kStepMs);
}

QRect CProgressBarDlg::BarRect(int percent) {
    return ui::ToQRect(Design(0, kBarTop, percent * kDesignWidth / 100, kBarBottom));
}

void CProgressBarDlg::DrawContent(QPainter& painter) {
    const int width = percent_ * kDesignWidth / 100;
    bar_.draw(painter, BarRect(percent_), QRect(0, kBarTop, width, kBarBottom - kBarTop));
}

void CProgressBarDlg::onTimer(int id) {
    if (id == kStepTimer) {
        percent_ = std::min(100, percent_ + kStepPercent);
        invalidate(BarRect(percent_));
        if (percent_ >= 100) {
            killTimer(kStepTimer);
            setTimer(kCloseTimer, kCloseDelayMs);
        }
    } else if (id == kCloseTimer) {
        killTimer(kCloseTimer);
        Finish(kOk);
    }
}

}  // namespace vexmo
