// Base of every windowless control: a rectangle of its dialog's client area that draws itself
// into the dialog's paint buffer, follows the pointer and reports to its dialog with synchronous
// messages carrying a ControlEvent.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <cstdint>

#include "base/Rect.h"
#include "base/Text.h"

namespace vexmo::platform {
class Window;
}

namespace vexmo::ui {

enum ControlEvent : intptr_t {
    kPressed = 1,
    kClicked = 2,
    kValueChanged = 3,
    kHoverEnter = 4,
    kHoverLeave = 5,
    kDoubleClicked = 10,
    kRightClicked = 11,
    kHoverMove = 12,
};

// Button-state flag of the mouse operations: the left button is down.
constexpr unsigned kLeftButtonFlag = 0x1;

// Visual states of clickable controls.
enum ControlState : int { kStateNormal = 0, kStateHover = 1, kStatePressed = 2 };

inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
inline Rect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

class CControlBase {
public:
    CControlBase(platform::Window* parent, int id, const Rect& rect, Text text, bool visible,
                 bool shown, bool disabled, bool interactive);
    virtual ~CControlBase();
    CControlBase(const CControlBase&) = delete;
    CControlBase& operator=(const CControlBase&) = delete;

    // Paints the control; area is the part of rect being repainted.
    virtual void Draw(QPainter& painter, const QRect& area) = 0;
    virtual int CancelPress(int) { return 0; }
    virtual void SetRect(const Rect& rect) { rect_ = rect; }
    virtual Rect GetRect() const { return rect_; }
    // Stores a different text and repaints the control's area.
    virtual void SetText(const Text& text);
    virtual Text GetText() const { return text_; }
    virtual void SetVisible(bool visible) { visible_ = visible; }
    virtual void SetShown(bool shown) { shown_ = shown; }
    // Mouse operations: flags are the button-state flags, (x, y) client coordinates; each returns
    // true when the control's look changed. OnMouseMove also comes when the pointer is outside.
    virtual bool OnMouseMove(unsigned flags, int x, int y) { return false; }
    virtual bool OnLButtonDown(unsigned flags, int x, int y) { return false; }
    virtual bool OnLButtonUp(unsigned flags, int x, int y) { return false; }
    virtual bool OnRButtonUp(unsigned flags, int x, int y) { return false; }
    virtual bool OnLButtonDblClk(unsigned flags, int x, int y) { return false; }
    // Frees the control's images (the dialog calls it before it closes).
    virtual void ReleaseImages() {}

    // Replaces the font by one of this pixel height and face.
    void SetFont(int height, const Text& face);
    void SetDisabled(bool disabled) { disabled_ = disabled; }

    int id() const { return id_; }
    const Rect& rect() const { return rect_; }
    QRect qrect() const { return ToQRect(rect_); }
    bool visible() const { return visible_; }
    bool shown() const { return shown_; }
    bool disabled() const { return disabled_; }
    bool interactive() const { return interactive_; }
    // Drawn and offered the mouse only when both display flags are set.
    bool displayed() const { return visible_ && shown_; }
    const Text& text() const { return text_; }
    const QFont& font() const { return font_; }
    int state() const { return state_; }
    platform::Window* parent() const { return parent_; }

protected:
    // Sends a message to the parent window at once; the handler runs before this returns.
    intptr_t Notify(uint32_t message, uintptr_t wparam, intptr_t lparam);
    intptr_t NotifyEvent(ControlEvent event) {
        return Notify(static_cast<uint32_t>(id_), 0, event);
    }
    void Repaint();  // asks the parent to repaint rect

    // The common state rules: hover while the pointer is inside (a pressed control keeps its
    // state while the button is held); press inside sends Pressed; release inside sends Clicked.
    bool TrackHover(unsigned flags, int x, int y);
    bool StandardDown(int x, int y, bool sendPressed = true);
    bool StandardUp(int x, int y, bool sendClicked = true);
    // The release rule every button shares: outside the control the state returns to normal,
    // inside it becomes hovered. True for a release inside an enabled control, which the caller
    // then acts on; changed tells whether the state changed.
    bool ReleasedInside(int x, int y, bool& changed);

    int state_ = kStateNormal;
    Text text_;
    QFont font_;

private:
    platform::Window* parent_;
    int id_;
    Rect rect_;
    bool visible_;
    bool shown_;
    bool disabled_;
    bool interactive_;
};

}  // namespace vexmo::ui
