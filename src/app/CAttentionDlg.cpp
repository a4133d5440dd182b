#include "app/CAttentionDlg.h"

#include "ui/UiText.h"

namespace vexmo {

namespace {
// Posted to itself by a modeless dialog that has ended: its window goes once the click that
// ended it has been handled.
constexpr uint32_t kReleaseWindowMessage = 0x7F01;
constexpr Colour kCaptionColour = makeColour(82, 146, 254);
constexpr Colour kMessageColour = 0xB4B4B4;
}  // namespace

CAttentionDlg::CAttentionDlg(const LanguageTable& language, Text caption, Text message,
                             platform::Window* owner)
    : CFramedDlg("CAttentionDlg", kDesignWidth, kDesignHeight),
      language_(language),
      caption_(std::move(caption)),
      message_(std::move(message)),
      owner_(owner) {}

CAttentionDlg::~CAttentionDlg() = default;

void CAttentionDlg::CreateControls(const Rect&) {
    SetFrame(ui::LoadSkinBitmap("skins/Frame_warning.bmp"));
    AddCloseButton(Design(300, 4, 315, 19));
    AddTextButton(kOkId, Design(240, 70, 309, 90), language_.text(4));
    AddText(kCaptionId, Design(21, 11, 175, 31), caption_, kCaptionColour, ui::kTextLeft);
    AddText(kMessageId, Design(0, 40, 319, 60), message_, kMessageColour,
            ui::kTextCenter | ui::kTextWordBreak);
}

bool CAttentionDlg::ShowModeless() {
    if (exists()) {
        show(true);
        setTopMost(true);
        return true;
    }
    if (!Group(0).empty()) return false;  // shown once and closed already
    modeless_ = true;
    if (!Create(owner_)) return false;
    setTopMost(true);
    return true;
}

void CAttentionDlg::Finish(int result) {
    result_ = result;
    CloseDialog(result);
    if (modeless_) post(kReleaseWindowMessage, 0, 0);
}

intptr_t CAttentionDlg::onMessage(const platform::Message& message) {
    if (message.id == kReleaseWindowMessage) {
        destroy();
        return 0;
    }
    return CFramedDlg::onMessage(message);
}

void CAttentionDlg::OnControl(int id, uintptr_t, intptr_t event) {
    if (id == kOkId && event == ui::kClicked) Finish(kOk);
}

}  // namespace vexmo
