// One top-level window (dialog, popup or overlay) with the loop services its code relies on:
// synchronous send, thread-safe post, numbered timers, modal runs, buffered painting, mouse and
// key notices. Subclasses override the on* handlers; the backend comes from platform::services().
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/Text.h"
#include "platform/EditField.h"
#include "platform/Events.h"
#include "platform/WindowHost.h"

namespace vexmo::platform {

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creates the platform window, hidden, at the screen rectangle. Returns false when a window
    // already exists. The owner (may be null) must outlive this window or destroy it.
    bool create(WindowKind kind, Window* owner, const QRect& screenRect);
    // Removes the platform window at once (no close request); the object stays.
    void destroy();
    bool exists() const { return host_ != nullptr; }
    WindowKind kind() const { return kind_; }
    Window* owner() const { return owner_; }

    // A name the test backend uses to recognise a window (class name of the dialog).
    void setName(std::string name) { name_ = std::move(name); }
    const std::string& name() const { return name_; }

    // Handlers.
    virtual intptr_t onMessage(const Message& message);
    virtual void onTimer(int id);
    virtual void onPaint(QPainter& painter, const QRect& clip);
    virtual void onMouse(const MouseEvent& event);
    virtual bool filterKey(const KeyEvent& event);  // true swallows the key
    virtual void onCloseRequest();                  // default: destroy()
    virtual void onActivationLost();
    virtual void onEditChanged(int editId);
    // The owner window is being destroyed; default: destroy this window's platform window.
    virtual void onOwnerGone();

    intptr_t send(const Message& message) { return onMessage(message); }
    intptr_t send(uint32_t id, uintptr_t wparam, intptr_t lparam) {
        return onMessage({id, wparam, lparam});
    }
    void post(const Message& message);  // thread-safe; dropped when no window exists
    void post(uint32_t id, uintptr_t wparam, intptr_t lparam) { post({id, wparam, lparam}); }
    void postClose();

    void setTimer(int id, int ms);
    void killTimer(int id);

    void invalidate(const QRect& clientRect);
    void invalidate();  // whole client area
    void paintNow();

    // Runs a nested loop until endModal; timers and posted messages keep running. Shows and
    // activates the window first. Returns the result given to endModal (-1 without a window).
    int runModal();
    void endModal(int result);
    bool inModal() const;

    void setGeometry(const QRect& screenRect);
    QRect geometry() const;
    QRect clientRect() const { return QRect(QPoint(0, 0), geometry().size()); }
    void move(const QPoint& topLeft);
    void resize(const QSize& size);
    QPoint clientToScreen(const QPoint& point) const { return geometry().topLeft() + point; }
    void show(bool activate = true);
    void showNormal();
    void hide();
    bool isVisible() const;
    bool isMinimized() const;
    void activate();
    bool isActive() const;
    void setTopMost(bool topMost);
    void setOpacity(double opacity);
    void setTitle(const Text& title);
    void setIcon(const QImage& icon);

    // Asks for one Hover after hoverMs without movement and one Leave when the pointer leaves.
    void trackMouse(int hoverMs);
    void setCapture(bool capture);
    // Lets the user move the window with the pointer while the left button stays down.
    void startSystemMove();

    std::unique_ptr<EditField> createEditField(int id, const QRect& clientRect);

    // For backends: the host of this window, null when none exists.
    WindowHost* host() const { return host_.get(); }

private:
    WindowKind kind_ = WindowKind::Dialog;
    Window* owner_ = nullptr;
    std::vector<Window*> owned_;
    std::string name_;
    std::unique_ptr<WindowHost> host_;
    mutable std::mutex hostMutex_;  // guards host_ against post() from other threads
};

}  // namespace vexmo::platform
