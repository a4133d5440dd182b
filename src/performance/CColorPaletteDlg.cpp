#include "performance/CColorPaletteDlg.h"

#include "app/OpenDialogList.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo {

namespace {
constexpr Colour kGrey = 0xB4B4B4;
constexpr int kValueFontHeight = 16;

bool ValidLevel(int level) {
    return level >= 0 && level < ProfileRecord::kDpiLevels;
}
}  // namespace

CColorPaletteDlg::CColorPaletteDlg(const LanguageTable& language, ProfileRecord& profile, int level)
    : CFramedDlg("CColorPaletteDlg", kDesignWidth, kDesignHeight),
      language_(language),
      profile_(profile),
      level_(level),
      working_(ValidLevel(level) ? profile.dpiLevelIndication[level] : 0) {}

CColorPaletteDlg::~CColorPaletteDlg() {
    OpenDialogs().Unregister(this);
}

bool CColorPaletteDlg::OnInitDialog() {
    OpenDialogs().Register(this);
    return CFramedDlg::OnInitDialog();
}

void CColorPaletteDlg::Finish(int result) {
    OpenDialogs().Unregister(this);
    CFramedDlg::Finish(result);
}

void CColorPaletteDlg::CreateControls(const Rect&) {
    SetFrame(ui::LoadResourceBitmap(kPaletteBitmap));
    painted_ = RenderFrame();
    AddCloseButton(Design(480, 6, 495, 21));
    const int ids[] = {kRedId, kGreenId, kBlueId};
    for (int i = 0; i < 3; ++i) {
        values_[i] = AddText(ids[i], Design(320, 212 + 23 * i, 373, 230 + 23 * i), Text(), kGrey,
                             ui::kTextCenter, ui::Scaled(kValueFontHeight), u"Tahoma");
    }
    AddTextButton(kOkId, Design(391, 234, 460, 254), language_.text(4));
    ShowValues();
}

void CColorPaletteDlg::DrawContent(QPainter& painter) {
    painter.fillRect(ui::ToQRect(Design(245, 212, 303, 270)), ui::ToQColor(working_));
}

void CColorPaletteDlg::ShowValues() {
    const int channels[] = {redOf(working_), greenOf(working_), blueOf(working_)};
    for (int i = 0; i < 3; ++i)
        values_[i]->SetLabel(formatDec(channels[i]));
}

bool CColorPaletteDlg::InPickArea(int x, int y) const {
    return Design(18, 26, 222, 270).contains(x, y) || Design(244, 26, 473, 190).contains(x, y);
}

void CColorPaletteDlg::onMouse(const platform::MouseEvent& event) {
    // A press on the colours picks one; it neither drags the window nor reaches a control.
    const bool press = event.action == platform::MouseAction::LeftDown ||
                       event.action == platform::MouseAction::DoubleClick;
    if (press && InPickArea(event.x, event.y)) {
        Pick(event.x, event.y);
        return;
    }
    CFramedDlg::onMouse(event);
}

void CColorPaletteDlg::Pick(int x, int y) {
    if (!painted_.valid(x, y)) return;
    const QRgb pixel = painted_.pixel(x, y);
    const Colour colour =
        makeColour(static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)),
                   static_cast<uint8_t>(qBlue(pixel)));
    if (colour == kFrameColour) return;
    working_ = colour;
    ShowValues();
    invalidate();
}

void CColorPaletteDlg::Accept() {
    if (!ValidLevel(level_)) {
        Finish(kCancel);
        return;
    }
    profile_.dpiLevelIndication[level_] = working_;
    Finish(kOk);
}

void CColorPaletteDlg::OnControl(int id, uintptr_t, intptr_t event) {
    if (id == kOkId && event == ui::kClicked) Accept();
}

}  // namespace vexmo
