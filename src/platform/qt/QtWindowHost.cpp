#include "platform/qt/QtWindowHost.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace vexmo::platform::qt {

namespace {

class MessageEvent final : public QEvent {
public:
    explicit MessageEvent(const Message& message)
        : QEvent(HostWidget::messageEventType()), message(message) {}
    Message message;
};

Qt::WindowFlags FlagsOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Dialog:
            return Qt::Window | Qt::FramelessWindowHint;
        case WindowKind::Popup:
            return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
        case WindowKind::Overlay:
            return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput;
    }
    return Qt::Window;
}

// A one-line field of a window: a QLineEdit child that reports its changes to the window.
class QtEditField final : public EditField {
public:
    QtEditField(HostWidget& host, int id, const QRect& rect)
        : EditField(id), edit_(new QLineEdit(&host)) {
        edit_->setProperty("vexmoEditId", id);
        edit_->setFrame(false);
        edit_->setGeometry(rect);
        edit_->show();
        QObject::connect(edit_, &QLineEdit::textChanged, edit_,
                         [host = QPointer<HostWidget>(&host), id] {
                             if (host != nullptr && host->target() != nullptr)
                                 host->target()->onEditChanged(id);
                         });
    }
    ~QtEditField() override { delete edit_.data(); }

    Text text() const override { return edit_ ? edit_->text().toStdU16String() : Text(); }
    void setText(const Text& text) override {
        if (edit_) edit_->setText(QString::fromStdU16String(text));
    }
    void setSelection(int start, int end) override {
        if (edit_) edit_->setSelection(start, end - start);
    }
    void selectAll() override {
        if (edit_) edit_->selectAll();
    }
    void caretToEnd() override {
        if (edit_) edit_->end(false);
    }
    void setFocus() override {
        if (edit_) edit_->setFocus(Qt::OtherFocusReason);
    }
    bool hasFocus() const override { return edit_ && edit_->hasFocus(); }
    void setGeometry(const QRect& rect) override {
        if (edit_) edit_->setGeometry(rect);
    }
    QRect geometry() const override { return edit_ ? edit_->geometry() : QRect(); }
    void setVisible(bool visible) override {
        if (edit_) edit_->setVisible(visible);
    }
    void setEnabled(bool enabled) override {
        if (edit_) edit_->setEnabled(enabled);
    }
    void setFont(const QFont& font) override {
        if (edit_) edit_->setFont(font);
    }
    void setColours(const QColor& text, const QColor& background) override {
        if (!edit_) return;
        QPalette palette = edit_->palette();
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Base, background);
        edit_->setPalette(palette);
    }
    void setCentred(bool centred) override {
        if (edit_)
            edit_->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
    std::pair<int, int> selection() const override {
        if (!edit_) return {0, 0};
        if (!edit_->hasSelectedText()) return {edit_->cursorPosition(), edit_->cursorPosition()};
        return {edit_->selectionStart(), edit_->selectionEnd()};
    }

private:
    QPointer<QLineEdit> edit_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// HostWidget

QEvent::Type HostWidget::messageEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type HostWidget::closeEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

HostWidget::HostWidget(Window& target, WindowKind kind)
    : QWidget(nullptr, FlagsOf(kind)), target_(&target), kind_(kind) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_ShowWithoutActivating, kind == WindowKind::Overlay);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    hoverTimer_.setSingleShot(true);
    connect(&hoverTimer_, &QTimer::timeout, this, [this] {
        hoverMs_ = -1;
        if (rect().contains(lastPos_)) deliver(MouseAction::Hover, lastPos_, leftHeld_);
    });
}

void HostWidget::detach() {
    target_ = nullptr;
    hoverTimer_.stop();
    for (const auto& [id, qtId] : timerIds_)
        QObject::killTimer(qtId);
    timerIds_.clear();
    windowIds_.clear();
}

void HostWidget::deliver(MouseAction action, const QPoint& point, bool leftHeld) {
    if (target_ != nullptr) target_->onMouse({action, point.x(), point.y(), leftHeld});
}

void HostWidget::trackMouse(int hoverMs) {
    hoverMs_ = std::max(hoverMs, 1);
    trackLeave_ = true;
    hoverTimer_.start(hoverMs_);
}

void HostWidget::beginSystemMove() {
    QWindow* handle = windowHandle();
    if (handle != nullptr && handle->startSystemMove()) return;
    // The platform cannot move it for us: follow the pointer until the button goes up.
    manualMove_ = true;
    moveStartPointer_ = QCursor::pos();
    moveStartWindow_ = pos();
}

void HostWidget::setWindowTimer(int id, int ms) {
    killWindowTimer(id);
    const int qtId = startTimer(std::max(ms, 1), Qt::PreciseTimer);
    if (qtId == 0) return;
    timerIds_[id] = qtId;
    windowIds_[qtId] = id;
}

void HostWidget::killWindowTimer(int id) {
    auto it = timerIds_.find(id);
    if (it == timerIds_.end()) return;
    QObject::killTimer(it->second);
    windowIds_.erase(it->second);
    timerIds_.erase(it);
}

bool HostWidget::event(QEvent* e) {
    if (e->type() == messageEventType()) {
        if (target_ != nullptr) target_->onMessage(static_cast<MessageEvent*>(e)->message);
        return true;
    }
    if (e->type() == closeEventType()) {
        if (target_ != nullptr) target_->onCloseRequest();
        return true;
    }
    return QWidget::event(e);
}

void HostWidget::paintEvent(QPaintEvent* e) {
    if (target_ == nullptr) return;
    // Qt's backing store already holds the window's pixels off-screen: the window paints into it
    // through the invalidated region and Qt copies it to the screen in one step.
    QPainter painter(this);
    painter.setClipRegion(e->region());
    target_->onPaint(painter, e->region().boundingRect());
}

void HostWidget::mouseMoveEvent(QMouseEvent* e) {
    lastPos_ = e->position().toPoint();
    if (manualMove_) {
        move(moveStartWindow_ + (QCursor::pos() - moveStartPointer_));
        return;
    }
    if (hoverMs_ >= 0) hoverTimer_.start(hoverMs_);
    deliver(MouseAction::Move, lastPos_, leftHeld_);
}

void HostWidget::mousePressEvent(QMouseEvent* e) {
    lastPos_ = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        leftHeld_ = true;
        deliver(MouseAction::LeftDown, lastPos_, true);
    } else if (e->button() == Qt::RightButton) {
        deliver(MouseAction::RightDown, lastPos_, leftHeld_);
    }
}

void HostWidget::mouseReleaseEvent(QMouseEvent* e) {
    lastPos_ = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        leftHeld_ = false;
        if (manualMove_) {
            manualMove_ = false;
            return;
        }
        deliver(MouseAction::LeftUp, lastPos_, false);
    } else if (e->button() == Qt::RightButton) {
        deliver(MouseAction::RightUp, lastPos_, leftHeld_);
    }
}

void HostWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    lastPos_ = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        leftHeld_ = true;
        deliver(MouseAction::DoubleClick, lastPos_, true);
    }
}

void HostWidget::leaveEvent(QEvent*) {
    if (!trackLeave_) return;
    trackLeave_ = false;
    hoverMs_ = -1;
    hoverTimer_.stop();
    deliver(MouseAction::Leave, mapFromGlobal(QCursor::pos()), leftHeld_);
}

void HostWidget::timerEvent(QTimerEvent* e) {
    auto it = windowIds_.find(e->timerId());
    if (it != windowIds_.end() && target_ != nullptr) target_->onTimer(it->second);
}

void HostWidget::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        if (wasActive_ && !active && target_ != nullptr) target_->onActivationLost();
        wasActive_ = active;
    }
    QWidget::changeEvent(e);
}

void HostWidget::closeEvent(QCloseEvent* e) {
    e->ignore();  // the window decides; a close request is what it gets
    if (target_ != nullptr) target_->onCloseRequest();
}

// ---------------------------------------------------------------------------------------------
// QtWindowHost

QtWindowHost::QtWindowHost(Window& window, WindowKind kind, Window* owner, const QRect& screenRect)
    : widget_(new HostWidget(window, kind)) {
    widget_->setGeometry(screenRect);
    widget_->winId();  // the native window exists from now on (transient parent, system move)
    if (owner != nullptr) {
        if (auto* ownerHost = dynamic_cast<QtWindowHost*>(owner->host())) {
            ownerWidget_ = ownerHost->widget();
            if (ownerWidget_ != nullptr && ownerWidget_->windowHandle() != nullptr) {
                widget_->windowHandle()->setTransientParent(ownerWidget_->windowHandle());
            }
        }
    }
}

QtWindowHost::~QtWindowHost() {
    detach();
}

void QtWindowHost::detach() {
    if (widget_ == nullptr) return;
    if (modal_ != nullptr && modal_->loop != nullptr) modal_->loop->exit();
    modal_.reset();
    widget_->detach();
    widget_->hide();
    widget_->deleteLater();
    widget_ = nullptr;
}

void QtWindowHost::post(const Message& message) {
    if (widget_ != nullptr) QCoreApplication::postEvent(widget_, new MessageEvent(message));
}

void QtWindowHost::postClose() {
    if (widget_ != nullptr) {
        QCoreApplication::postEvent(widget_, new QEvent(HostWidget::closeEventType()));
    }
}

void QtWindowHost::setTimer(int id, int ms) {
    if (widget_ != nullptr) widget_->setWindowTimer(id, ms);
}

void QtWindowHost::killTimer(int id) {
    if (widget_ != nullptr) widget_->killWindowTimer(id);
}

void QtWindowHost::invalidate(const QRect& clientRect) {
    if (widget_ != nullptr) widget_->update(clientRect);
}

void QtWindowHost::paintNow() {
    if (widget_ != nullptr) widget_->repaint();
}

int QtWindowHost::runModal() {
    if (widget_ == nullptr) return -1;
    if (endRequested_) {
        endRequested_ = false;
        return std::exchange(pendingResult_, -1);
    }
    // As a modal dialog does, the run keeps the owner from taking input until it ends.
    QPointer<HostWidget> owner = ownerWidget_;
    const bool ownerWasEnabled = owner != nullptr && owner->isEnabled();
    if (owner != nullptr) owner->setEnabled(false);
    auto run = std::make_shared<ModalRun>();
    modal_ = run;
    show(true);
    QEventLoop loop;
    run->loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    run->loop = nullptr;
    // This host may be gone now (its window was destroyed during the run): only locals below.
    if (owner != nullptr) owner->setEnabled(ownerWasEnabled);
    return run->result;
}

void QtWindowHost::endModal(int result) {
    if (modal_ != nullptr) {
        modal_->result = result;
        if (modal_->loop != nullptr) modal_->loop->exit();
        modal_.reset();
    } else {
        endRequested_ = true;
        pendingResult_ = result;
    }
    if (widget_ != nullptr) widget_->hide();
}

void QtWindowHost::setGeometry(const QRect& screenRect) {
    if (widget_ != nullptr) widget_->setGeometry(screenRect);
}

QRect QtWindowHost::geometry() const {
    return widget_ != nullptr ? widget_->geometry() : QRect();
}

void QtWindowHost::show(bool activateIt) {
    if (widget_ == nullptr) return;
    const bool overlay = widget_->kind() == WindowKind::Overlay;
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, overlay || !activateIt);
    widget_->show();
    widget_->raise();
    if (activateIt && !overlay) widget_->activateWindow();
}

void QtWindowHost::showNormal() {
    if (widget_ == nullptr) return;
    widget_->showNormal();
    widget_->raise();
    widget_->activateWindow();
}

void QtWindowHost::hide() {
    if (widget_ != nullptr) widget_->hide();
}

bool QtWindowHost::isVisible() const {
    return widget_ != nullptr && widget_->isVisible();
}
bool QtWindowHost::isMinimized() const {
    return widget_ != nullptr && widget_->isMinimized();
}

void QtWindowHost::activate() {
    if (widget_ == nullptr) return;
    widget_->raise();
    widget_->activateWindow();
}

bool QtWindowHost::isActive() const {
    return widget_ != nullptr && widget_->isActiveWindow();
}

void QtWindowHost::setTopMost(bool topMost) {
    if (widget_ == nullptr) return;
    if (widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost) return;
    const bool visible = widget_->isVisible();
    widget_->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (visible) widget_->show();  // changing the flags hides the window
}

void QtWindowHost::setOpacity(double opacity) {
    if (widget_ != nullptr) widget_->setWindowOpacity(opacity);
}

void QtWindowHost::setTitle(const Text& title) {
    if (widget_ != nullptr) widget_->setWindowTitle(QString::fromStdU16String(title));
}

void QtWindowHost::setIcon(const QImage& icon) {
    if (widget_ != nullptr && !icon.isNull())
        widget_->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
}

void QtWindowHost::trackMouse(int hoverMs) {
    if (widget_ != nullptr) widget_->trackMouse(hoverMs);
}

void QtWindowHost::startSystemMove() {
    if (widget_ != nullptr) widget_->beginSystemMove();
}

std::unique_ptr<EditField> QtWindowHost::createEditField(int id, const QRect& clientRect) {
    if (widget_ == nullptr) return nullptr;
    return std::make_unique<QtEditField>(*widget_, id, clientRect);
}

}  // namespace vexmo::platform::qt
