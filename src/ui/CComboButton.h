// A drop-down button (the button slots and combo lists): shows a caption over a normal or hover
// image, reports clicks and hovering with its own notification message, and keeps its hover look
// while its menu is open.
#pragma once

#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CComboButton : public CControlBase {
public:
    static constexpr int kMaxHoverShift = 4;

    CComboButton(platform::Window* parent, uint32_t notifyMessage, int id, const Rect& rect,
                 Text text, int alignment, bool visible, bool shown, bool disabled, int reserved,
                 Text caption);

    void SetCaption(const Text& caption);
    const Text& caption() const { return caption_; }
    void LoadNormalImage(const std::string& path);
    void LoadHoverImage(const std::string& path);
    // Clears the hover notification state and the right margin (done after construction).
    void ResetHover();

    void SetMenuOpen(bool open) { menuOpen_ = open; }
    bool menuOpen() const { return menuOpen_; }
    void SetInert(bool inert) { inert_ = inert; }
    void SetShowDisabledText(bool show) { showDisabledText_ = show; }
    void SetRightMargin(int margin) { rightMargin_ = margin; }
    int hoverCount() const { return hoverCount_; }
    uint32_t notifyMessage() const { return notifyMessage_; }
    QSize imageSize() const { return imageSize_; }
    // The rectangle the caption is drawn in (shifted right by hoverCount).
    QRect TextRect() const;

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override;
    bool OnLButtonDown(unsigned flags, int x, int y) override;
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override;

private:
    uint32_t notifyMessage_;
    Text caption_;
    SkinImage normal_;
    SkinImage hover_;
    QSize imageSize_;
    bool menuOpen_ = false;
    bool inert_ = false;
    bool showDisabledText_ = false;
    int hoverCount_ = 0;
    bool hoverNotified_ = false;
    bool leftNotified_ = true;  // no HoverLeave before the pointer was over it
    int alignment_;
    int rightMargin_ = 0;
};

}  // namespace vexmo::ui
