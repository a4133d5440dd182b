// The Qt backend of one window: a frameless top-level widget that paints into its backing store
// through the invalidated region and turns Qt's events into the Window's notices.
#pragma once

#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/Window.h"
#include "platform/WindowHost.h"

class QEventLoop;

namespace vexmo::platform::qt {

class HostWidget final : public QWidget {
    Q_OBJECT
public:
    HostWidget(Window& target, WindowKind kind);

    Window* target() const { return target_; }
    WindowKind kind() const { return kind_; }
    void detach();

    void trackMouse(int hoverMs);
    void beginSystemMove();
    void setWindowTimer(int id, int ms);
    void killWindowTimer(int id);

    static QEvent::Type messageEventType();
    static QEvent::Type closeEventType();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void deliver(MouseAction action, const QPoint& point, bool leftHeld);

    Window* target_;
    WindowKind kind_;
    std::map<int, int> timerIds_;   // window timer id -> Qt timer id
    std::map<int, int> windowIds_;  // Qt timer id -> window timer id
    QTimer hoverTimer_;
    int hoverMs_ = -1;
    bool trackLeave_ = false;
    QPoint lastPos_;
    bool leftHeld_ = false;
    bool wasActive_ = false;
    bool manualMove_ = false;
    QPoint moveStartPointer_;
    QPoint moveStartWindow_;
};

class QtWindowHost final : public WindowHost {
public:
    QtWindowHost(Window& window, WindowKind kind, Window* owner, const QRect& screenRect);
    ~QtWindowHost() override;

    HostWidget* widget() const { return widget_; }

    void detach() override;
    void post(const Message& message) override;
    void postClose() override;
    void setTimer(int id, int ms) override;
    void killTimer(int id) override;
    void invalidate(const QRect& clientRect) override;
    void paintNow() override;
    int runModal() override;
    void endModal(int result) override;
    bool inModal() const override { return modal_ != nullptr; }
    void setGeometry(const QRect& screenRect) override;
    QRect geometry() const override;
    void show(bool activate) override;
    void showNormal() override;
    void hide() override;
    bool isVisible() const override;
    bool isMinimized() const override;
    void activate() override;
    bool isActive() const override;
    void setTopMost(bool topMost) override;
    void setOpacity(double opacity) override;
    void setTitle(const Text& title) override;
    void setIcon(const QImage& icon) override;
    void trackMouse(int hoverMs) override;
    void setCapture(bool capture) override {}  // Qt holds the pointer while a button is down
    void startSystemMove() override;
    std::unique_ptr<EditField> createEditField(int id, const QRect& clientRect) override;

private:
    struct ModalRun {
        QEventLoop* loop = nullptr;
        int result = -1;
    };

    HostWidget* widget_;
    QPointer<HostWidget> ownerWidget_;
    std::shared_ptr<ModalRun> modal_;
    bool endRequested_ = false;
    int pendingResult_ = -1;
};

}  // namespace vexmo::platform::qt
