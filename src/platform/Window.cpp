#include "platform/Window.h"

#include <algorithm>

#include "platform/Services.h"

namespace vexmo::platform {

Window::Window() = default;

Window::~Window() {
    // Windows this one owns lose their owner first, so none of them reports to a dead window.
    for (Window* child : std::vector<Window*>(owned_)) {
        child->owner_ = nullptr;
        child->onOwnerGone();
    }
    owned_.clear();
    destroy();
    if (owner_ != nullptr) std::erase(owner_->owned_, this);
}

bool Window::create(WindowKind kind, Window* owner, const QRect& screenRect) {
    if (host_ != nullptr) return false;
    kind_ = kind;
    if (owner_ != owner) {
        if (owner_ != nullptr) std::erase(owner_->owned_, this);
        owner_ = owner;
        if (owner_ != nullptr) owner_->owned_.push_back(this);
    }
    auto host = services().createHost(*this, kind, owner, screenRect);
    std::lock_guard lock(hostMutex_);
    host_ = std::move(host);
    return host_ != nullptr;
}

void Window::destroy() {
    std::unique_ptr<WindowHost> host;
    {
        std::lock_guard lock(hostMutex_);
        host = std::move(host_);
    }
    if (host == nullptr) return;
    host->detach();
    if (hasServices()) services().retireHost(std::move(host));
}

intptr_t Window::onMessage(const Message&) {
    return 0;
}
void Window::onTimer(int) {}
void Window::onPaint(QPainter&, const QRect&) {}
void Window::onMouse(const MouseEvent&) {}
bool Window::filterKey(const KeyEvent&) {
    return false;
}
void Window::onCloseRequest() {
    destroy();
}
void Window::onActivationLost() {}
void Window::onEditChanged(int) {}
void Window::onOwnerGone() {
    destroy();
}

void Window::post(const Message& message) {
    std::lock_guard lock(hostMutex_);
    if (host_ != nullptr) host_->post(message);
}

void Window::postClose() {
    if (host_ != nullptr) host_->postClose();
}

void Window::setTimer(int id, int ms) {
    if (host_ != nullptr) host_->setTimer(id, ms);
}

void Window::killTimer(int id) {
    if (host_ != nullptr) host_->killTimer(id);
}

void Window::invalidate(const QRect& clientRect) {
    if (host_ != nullptr && !clientRect.isEmpty()) host_->invalidate(clientRect);
}

void Window::invalidate() {
    invalidate(clientRect());
}

void Window::paintNow() {
    if (host_ != nullptr) host_->paintNow();
}

int Window::runModal() {
    return host_ != nullptr ? host_->runModal() : -1;
}

void Window::endModal(int result) {
    if (host_ != nullptr) host_->endModal(result);
}

bool Window::inModal() const {
    return host_ != nullptr && host_->inModal();
}

void Window::setGeometry(const QRect& screenRect) {
    if (host_ != nullptr) host_->setGeometry(screenRect);
}

QRect Window::geometry() const {
    return host_ != nullptr ? host_->geometry() : QRect();
}

void Window::move(const QPoint& topLeft) {
    QRect r = geometry();
    r.moveTopLeft(topLeft);
    setGeometry(r);
}

void Window::resize(const QSize& size) {
    QRect r = geometry();
    r.setSize(size);
    setGeometry(r);
}

void Window::show(bool activate) {
    if (host_ != nullptr) host_->show(activate);
}

void Window::showNormal() {
    if (host_ != nullptr) host_->showNormal();
}

void Window::hide() {
    if (host_ != nullptr) host_->hide();
}

bool Window::isVisible() const {
    return host_ != nullptr && host_->isVisible();
}
bool Window::isMinimized() const {
    return host_ != nullptr && host_->isMinimized();
}

void Window::activate() {
    if (host_ != nullptr) host_->activate();
}

bool Window::isActive() const {
    return host_ != nullptr && host_->isActive();
}

void Window::setTopMost(bool topMost) {
    if (host_ != nullptr) host_->setTopMost(topMost);
}

void Window::setOpacity(double opacity) {
    if (host_ != nullptr) host_->setOpacity(opacity);
}

void Window::setTitle(const Text& title) {
    if (host_ != nullptr) host_->setTitle(title);
}

void Window::setIcon(const QImage& icon) {
    if (host_ != nullptr) host_->setIcon(icon);
}

void Window::trackMouse(int hoverMs) {
    if (host_ != nullptr) host_->trackMouse(hoverMs);
}

void Window::setCapture(bool capture) {
    if (host_ != nullptr) host_->setCapture(capture);
}

void Window::startSystemMove() {
    if (host_ != nullptr) host_->startSystemMove();
}

std::unique_ptr<EditField> Window::createEditField(int id, const QRect& clientRect) {
    return host_ != nullptr ? host_->createEditField(id, clientRect) : nullptr;
}

}  // namespace vexmo::platform
