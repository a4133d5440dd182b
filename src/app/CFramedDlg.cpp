#include "app/CFramedDlg.h"

#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo {

namespace {
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
}  // namespace

CFramedDlg::CFramedDlg(std::string className, int designWidth, int designHeight) {
    setName(std::move(className));
    SetSize(ui::Scaled(designWidth), ui::Scaled(designHeight));
}

Rect CFramedDlg::Design(int left, int top, int right, int bottom) {
    return Rect::fromDesignEdges(left, top, right, bottom, ui::Env().uiScale);
}

ui::CImageButton* CFramedDlg::AddCloseButton(const Rect& rect) {
    auto* button = AddControl(
        0, std::make_unique<ui::CImageButton>(this, kCloseId, rect, Text(), true, true, false));
    button->LoadImages("skins/exit_nr.png", "skins/exit_ov.png");
    return button;
}

ui::CImageButton* CFramedDlg::AddTextButton(int id, const Rect& rect, const Text& caption) {
    auto* button = AddControl(
        0, std::make_unique<ui::CImageButton>(this, id, rect, caption, true, true, false));
    button->LoadImages("skins/button2_nr.png", "skins/button2_ov.png");
    return button;
}

ui::CStaticText* CFramedDlg::AddText(int id, const Rect& rect, const Text& label, Colour colour,
                                     unsigned format, int fontHeight, const Text& face) {
    auto* text = AddControl(
        0, std::make_unique<ui::CStaticText>(this, id, rect, label, true, true, colour, format));
    if (fontHeight > 0) text->SetFont(fontHeight, face.empty() ? ui::Env().uiFont.face : face);
    return text;
}

void CFramedDlg::DrawFrame(QPainter& painter, const QRect& client) const {
    painter.fillRect(client, ui::ToQColor(baseColor()));
    frame_.draw(painter, client);
}

QImage CFramedDlg::RenderFrame() const {
    QImage image(Width(), Height(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    DrawFrame(painter, image.rect());
    return image;
}

void CFramedDlg::DrawBackground(QPainter& painter, const QRect& client) {
    DrawFrame(painter, client);
    DrawContent(painter);
    DrawControls(painter, client);
}

bool CFramedDlg::filterKey(const platform::KeyEvent& event) {
    if (event.action == platform::KeyAction::Char) return false;
    if (event.vk != kVkReturn && event.vk != kVkEscape) return false;
    if (event.action == platform::KeyAction::Down) {
        if (event.vk == kVkReturn) {
            OnEnter();
        } else {
            OnEscape();
        }
    }
    return true;
}

intptr_t CFramedDlg::onMessage(const platform::Message& message) {
    if (message.id == static_cast<uint32_t>(kCloseId)) {
        if (message.lparam == ui::kClicked) Finish(kCancel);
        return 0;
    }
    OnControl(static_cast<int>(message.id), message.wparam, message.lparam);
    return 0;
}

}  // namespace vexmo
