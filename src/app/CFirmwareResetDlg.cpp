#include "app/CFirmwareResetDlg.h"

#include "ui/UiText.h"

namespace vexmo {

CFirmwareResetDlg::CFirmwareResetDlg(const LanguageTable& language)
    : CFramedDlg("CFirmwareResetDlg", kDesignWidth, kDesignHeight), language_(language) {}

CFirmwareResetDlg::~CFirmwareResetDlg() = default;

void CFirmwareResetDlg::CreateControls(const Rect&) {
    SetFrame(ui::LoadSkinBitmap("skins/Frame_common.bmp"));
    AddCloseButton(Design(405, 4, 420, 19));
    AddText(kMessageId, Design(0, 60, 429, 108), language_.text(140), 0xB4B4B4,
            ui::kTextCenter | ui::kTextVCenter | ui::kTextWordBreak);
    AddTextButton(kOkId, Design(260, 110, 329, 130), language_.text(4));
    AddTextButton(kCancelId, Design(350, 110, 419, 130), language_.text(5));
}

void CFirmwareResetDlg::OnControl(int id, uintptr_t, intptr_t event) {
    if (event != ui::kClicked) return;
    if (id == kOkId) Finish(kOk);
    if (id == kCancelId) Finish(kCancel);
}

}  // namespace vexmo
