// The backend side of one top-level window: what a Window asks of the platform. Each backend
// (Qt, test) implements it; windows never see it directly.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>

#include "base/Text.h"
#include "platform/EditField.h"
#include "platform/Events.h"

namespace vexmo::platform {

class WindowHost {
public:
    virtual ~WindowHost() = default;

    // The window is going away: no callback may reach it from now on.
    virtual void detach() = 0;

    virtual void post(const Message& message) = 0;  // any thread
    virtual void postClose() = 0;                   // close request, handled later

    virtual void setTimer(int id, int ms) = 0;
    virtual void killTimer(int id) = 0;

    virtual void invalidate(const QRect& clientRect) = 0;
    virtual void paintNow() = 0;

    virtual int runModal() = 0;
    virtual void endModal(int result) = 0;
    virtual bool inModal() const = 0;

    virtual void setGeometry(const QRect& screenRect) = 0;
    virtual QRect geometry() const = 0;  // screen coordinates
    virtual void show(bool activate) = 0;
    virtual void showNormal() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    virtual bool isMinimized() const = 0;
    virtual void activate() = 0;
    virtual bool isActive() const = 0;
    virtual void setTopMost(bool topMost) = 0;
    virtual void setOpacity(double opacity) = 0;
    virtual void setTitle(const Text& title) = 0;
    virtual void setIcon(const QImage& icon) = 0;

    virtual void trackMouse(int hoverMs) = 0;
    virtual void setCapture(bool capture) = 0;
    virtual void startSystemMove() = 0;

    virtual std::unique_ptr<EditField> createEditField(int id, const QRect& clientRect) = 0;
};

}  // namespace vexmo::platform
