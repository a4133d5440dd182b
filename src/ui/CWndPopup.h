// Base of every menu-like window: a borderless topmost tool window that lists items, follows the
// pointer and reports the chosen item to the window that opened it. Popups are made with new and
// delete themselves when their window closes (after a close request or with their owner).
#pragma once

#include <QFont>
#include <array>
#include <cstdint>
#include <vector>

#include "base/Rect.h"
#include "base/Text.h"
#include "platform/Window.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

struct PopupItem {
    bool isSeparator = false;
    int itemId = 0;
    std::array<int, 3> reserved{};
    Text text;
    Rect rect;
    bool hasSubmenu = false;
};

// The record whose address a popup sends with a choice (the owner copies what it needs).
struct PopupChoice {
    Text text;
    std::array<uint8_t, 3> code{};
};

class CWndPopup : public platform::Window {
public:
    static constexpr uint32_t kClosedMessage = 1025;
    static constexpr int kDesignWidth = 162;
    static constexpr int kDesignItemHeight = 22;

    explicit CWndPopup(int kind);
    ~CWndPopup() override;

    // Creates the window at the screen rectangle, builds the items (which size the popup), moves
    // it to the rectangle's top-left and shows it.
    bool Create(platform::Window* owner, const Rect& screenRect, uint32_t notifyMessage,
                int ownerControlId);
    // Appends an item and lays all items out again; returns the item count.
    int AddItem(const Text& text, int itemId, bool hasSubmenu);
    int AddSeparator();
    // Fills choice and sends notifyMessage (ownerControlId, &choice) to the owner.
    void ChooseCurrent(const Text& text, std::array<uint8_t, 3> code);
    intptr_t SendToOwner(uint32_t message, uintptr_t wparam, intptr_t lparam);
    // The four item images (normal, hover, normal with submenu, hover with submenu).
    void LoadItemImages(const std::string& normal, const std::string& hover,
                        const std::string& normalSub, const std::string& hoverSub);
    // Popup width in design units (items span 1 .. width - 1); 162 unless a subclass differs.
    void SetDesignWidth(int designWidth);

    int popupKind() const { return kind_; }
    uint32_t notifyMessage() const { return notifyMessage_; }
    int ownerControlId() const { return ownerControlId_; }
    const std::vector<PopupItem>& items() const { return items_; }
    int hotItem() const { return hotItem_; }
    void SetHotItem(int index) { hotItem_ = index; }
    const PopupChoice& choice() const { return choice_; }
    // Pointer tracking requested: the pointer is over the popup.
    bool IsTracking() const { return tracking_; }
    bool leftHeld() const { return leftHeld_; }
    const SkinImage& frameImage() const { return frame_; }
    const QFont& font() const { return font_; }

    // Message sent to the owner when a popup of this kind loses activation; 0 for none.
    static uint32_t DeactivationMessage(int kind);

    void onPaint(QPainter& painter, const QRect& clip) override;
    void onMouse(const platform::MouseEvent& event) override;
    void onActivationLost() override;
    void onCloseRequest() override;
    void onOwnerGone() override;

protected:
    virtual void DrawItems(QPainter& painter, const QRect& client) {}
    virtual void DrawItemsOver(QPainter& painter, const QRect& client) {}
    virtual void BuildItems() {}
    virtual bool OnHover(const QPoint& point) { return false; }
    virtual bool OnPress(const QPoint& point) { return false; }
    virtual bool OnChoose(const QPoint& point) { return false; }
    virtual bool OnRightClick(const QPoint& point) { return false; }

    // The standard menu look: separators in 0xDEA035, items from the item images with their
    // text centred, white for the hot item and grey otherwise.
    void DrawStandardItems(QPainter& painter);
    // The standard hover rule; returns whether hotItem changed.
    bool StandardHover(const QPoint& point);
    // Index of the hot item when the release point lies in it; otherwise clears hotItem,
    // repaints and returns -1.
    int StandardChosenIndex(const QPoint& point);

private:
    void Layout();

    int kind_;
    uint32_t notifyMessage_ = 0;
    int ownerControlId_ = 0;
    int designWidth_ = kDesignWidth;
    std::vector<PopupItem> items_;
    int hotItem_ = -1;
    PopupChoice choice_;
    SkinImage frame_;
    std::array<SkinImage, 4> itemImages_;
    QFont font_;
    bool tracking_ = false;
    bool leftHeld_ = false;
    bool captured_ = false;
    QPoint requestedPos_;
};

}  // namespace vexmo::ui
