#include "platform/test/TestServices.h"

#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace vexmo::platform::test {

namespace {

constexpr int kMinTimerMs = 10;  // shortest timer period, as the desktop's timers
constexpr int kMaxPostedPerDrain = 1000000;

// The virtual-key code a typed character comes from, 0 when it has none of its own.
int vkOfChar(char16_t ch) {
    if (ch >= u'a' && ch <= u'z') return 'A' + (ch - u'a');
    if (ch >= u'A' && ch <= u'Z') return ch;
    if (ch >= u'0' && ch <= u'9') return ch;
    if (ch == u' ') return 0x20;
    if (ch == 8) return 0x08;
    return 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TestWindow

TestWindow::TestWindow(TestServices& services, Window& window, WindowKind kind, Window*,
                       const QRect& screenRect)
    : services_(services),
      window_(&window),
      kind_(kind),
      name_(window.name()),
      geometry_(screenRect) {
    buffer_ = QImage(std::max(1, screenRect.width()), std::max(1, screenRect.height()),
                     QImage::Format_ARGB32_Premultiplied);
    buffer_.fill(Qt::black);
}

TestWindow::~TestWindow() {
    for (TestEditField* edit : edits_)
        edit->host_ = nullptr;
}

void TestWindow::detach() {
    if (window_ == nullptr) return;
    window_ = nullptr;
    visible_ = false;
    services_.forget(this);
}

void TestWindow::post(const Message& message) {
    std::lock_guard lock(services_.postedMutex_);
    services_.posted_.push_back({this, false, message});
}

void TestWindow::postClose() {
    std::lock_guard lock(services_.postedMutex_);
    services_.posted_.push_back({this, true, {}});
}

void TestWindow::setTimer(int id, int ms) {
    services_.schedule(this, id, std::max(ms, kMinTimerMs));
}

void TestWindow::killTimer(int id) {
    services_.unschedule(this, id);
}

void TestWindow::invalidate(const QRect& clientRect) {
    dirty_ += clientRect.intersected(QRect(QPoint(0, 0), geometry_.size()));
}

const QImage& TestWindow::image() {
    if (window_ != nullptr && !dirty_.isEmpty()) {
        const QRegion region = dirty_;
        dirty_ = QRegion();
        QPainter painter(&buffer_);
        painter.setClipRegion(region);
        window_->onPaint(painter, region.boundingRect());
        ++paintCount_;
    }
    return buffer_;
}

int TestWindow::runModal() {
    if (window_ == nullptr) return -1;
    ++modalDepth_;
    if (!endRequested_) {
        show(true);
        services_.modalsRun_.push_back(name());
        services_.runModalLoop(*this);
    }
    --modalDepth_;
    endRequested_ = false;
    const int result = modalResult_;
    modalResult_ = -1;
    return result;
}

void TestWindow::endModal(int result) {
    modalResult_ = result;
    endRequested_ = true;
    visible_ = false;
}

void TestWindow::setGeometry(const QRect& screenRect) {
    if (screenRect.size() != geometry_.size()) {
        QImage resized(std::max(1, screenRect.width()), std::max(1, screenRect.height()),
                       QImage::Format_ARGB32_Premultiplied);
        resized.fill(Qt::black);
        QPainter(&resized).drawImage(0, 0, buffer_);
        buffer_ = resized;
        dirty_ += QRect(QPoint(0, 0), screenRect.size());
    }
    geometry_ = screenRect;
}

void TestWindow::show(bool activateIt) {
    if (!visible_) dirty_ += QRect(QPoint(0, 0), geometry_.size());
    visible_ = true;
    if (activateIt) activate();
}

void TestWindow::hide() {
    visible_ = false;
    if (services_.active_ == this) services_.setActive(nullptr);
}

void TestWindow::activate() {
    if (kind_ != WindowKind::Overlay) services_.setActive(this);
}

bool TestWindow::isActive() const {
    return services_.active_ == this;
}

void TestWindow::trackMouse(int hoverMs) {
    trackHoverMs_ = std::max(hoverMs, 1);
    trackLeave_ = true;
    if (pointerInside_) services_.schedule(this, TestServices::kHoverTimer, trackHoverMs_);
}

void TestWindow::setCapture(bool capture) {
    captured_ = capture;
    if (!capture && !pointerInside_ && trackLeave_) pointerLeft();
}

std::unique_ptr<EditField> TestWindow::createEditField(int id, const QRect& clientRect) {
    return std::make_unique<TestEditField>(*this, id, clientRect);
}

std::vector<TestEditField*> TestWindow::editFields() const {
    return edits_;
}

TestEditField* TestWindow::editField(int id) const {
    auto it = std::find_if(edits_.begin(), edits_.end(), [id](auto* e) { return e->id() == id; });
    return it == edits_.end() ? nullptr : *it;
}

TestEditField* TestWindow::focusedEdit() const {
    return focusedEditId_ < 0 ? nullptr : editField(focusedEditId_);
}

void TestWindow::mouse(MouseAction action, int x, int y) {
    if (window_ == nullptr) return;
    const bool inside = QRect(QPoint(0, 0), geometry_.size()).contains(x, y);
    if (action == MouseAction::LeftUp) leftHeld_ = false;
    if (!inside && !captured_) {
        if (action == MouseAction::Move && pointerInside_) {
            pointer_ = QPoint(x, y);
            pointerLeft();
        }
        return;  // nothing reaches a window the pointer is not over, unless it captured the mouse
    }
    pointer_ = QPoint(x, y);
    pointerInside_ = inside;
    switch (action) {
        case MouseAction::LeftDown:
        case MouseAction::DoubleClick:
            leftHeld_ = true;
            [[fallthrough]];
        case MouseAction::RightDown:
            activate();
            break;
        case MouseAction::LeftUp:
            leftHeld_ = false;
            break;
        case MouseAction::Move:
            if (trackHoverMs_ >= 0 && inside) {
                services_.schedule(this, TestServices::kHoverTimer, trackHoverMs_);
            }
            break;
        default:
            break;
    }
    if (window_ != nullptr) window_->onMouse({action, x, y, leftHeld_});
}

void TestWindow::fireHover() {
    trackHoverMs_ = -1;
    if (window_ != nullptr && pointerInside_) {
        window_->onMouse({MouseAction::Hover, pointer_.x(), pointer_.y(), leftHeld_});
    }
}

void TestWindow::mouseMove(int x, int y) {
    mouse(MouseAction::Move, x, y);
}
void TestWindow::leftDown(int x, int y) {
    mouse(MouseAction::LeftDown, x, y);
}
void TestWindow::leftUp(int x, int y) {
    mouse(MouseAction::LeftUp, x, y);
}

void TestWindow::click(int x, int y) {
    mouseMove(x, y);
    leftDown(x, y);
    leftUp(x, y);
}

void TestWindow::doubleClick(int x, int y) {
    mouseMove(x, y);
    leftDown(x, y);
    leftUp(x, y);
    mouse(MouseAction::DoubleClick, x, y);
    leftUp(x, y);
}

void TestWindow::rightClick(int x, int y) {
    mouseMove(x, y);
    mouse(MouseAction::RightDown, x, y);
    mouse(MouseAction::RightUp, x, y);
}

void TestWindow::leave() {
    pointer_ = QPoint(-1, -1);
    pointerLeft();
}

void TestWindow::pointerLeft() {
    pointerInside_ = false;
    if (!trackLeave_) return;
    trackLeave_ = false;
    trackHoverMs_ = -1;
    services_.unschedule(this, TestServices::kHoverTimer);
    if (window_ != nullptr) {
        window_->onMouse({MouseAction::Leave, pointer_.x(), pointer_.y(), leftHeld_});
    }
}

void TestWindow::clickDesign(int x, int y) {
    const double s = services_.designScale();
    click(static_cast<int>(x * s), static_cast<int>(y * s));
}

void TestWindow::moveDesign(int x, int y) {
    const double s = services_.designScale();
    mouseMove(static_cast<int>(x * s), static_cast<int>(y * s));
}

bool TestWindow::deliverKey(const KeyEvent& event) {
    if (event.action != KeyAction::Char) {
        services_.deliverHookKey(event.vk, event.action == KeyAction::Up);
    }
    return window_ != nullptr && window_->filterKey(event);
}

void TestWindow::keyDown(int vk) {
    deliverKey({KeyAction::Down, vk, 0, focusedEditId_});
}
void TestWindow::keyUp(int vk) {
    deliverKey({KeyAction::Up, vk, 0, focusedEditId_});
}

void TestWindow::pressKey(int vk) {
    keyDown(vk);
    keyUp(vk);
}

void TestWindow::typeChar(char16_t ch) {
    const int vk = vkOfChar(ch);
    if (deliverKey({KeyAction::Down, vk, 0, focusedEditId_})) return;
    if (!deliverKey({KeyAction::Char, 0, ch, focusedEditId_})) {
        if (TestEditField* edit = focusedEdit()) edit->typeChar(ch);
    }
    deliverKey({KeyAction::Up, vk, 0, focusedEditId_});
}

void TestWindow::typeText(const Text& text) {
    for (char16_t ch : text)
        typeChar(ch);
}

void TestWindow::close() {
    if (window_ != nullptr) window_->onCloseRequest();
}

// ---------------------------------------------------------------------------------------------
// TestEditField

TestEditField::TestEditField(TestWindow& host, int id, const QRect& rect)
    : EditField(id), host_(&host), rect_(rect) {
    host.edits_.push_back(this);
}

TestEditField::~TestEditField() {
    if (host_ != nullptr) {
        std::erase(host_->edits_, this);
        if (host_->focusedEditId_ == id() && host_->editField(id()) == nullptr) {
            host_->focusedEditId_ = -1;
        }
    }
}

void TestEditField::setText(const Text& text) {
    text_ = text;
    selStart_ = selEnd_ = 0;
    if (host_ != nullptr && host_->window_ != nullptr) host_->window_->onEditChanged(id());
}

void TestEditField::setSelection(int start, int end) {
    const int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(std::min(start, end), 0, size);
    selEnd_ = std::clamp(std::max(start, end), 0, size);
}

void TestEditField::caretToEnd() {
    selStart_ = selEnd_ = static_cast<int>(text_.size());
}

void TestEditField::setFocus() {
    if (host_ != nullptr) host_->focusedEditId_ = id();
}

bool TestEditField::hasFocus() const {
    return host_ != nullptr && host_->focusedEditId_ == id();
}

void TestEditField::typeChar(char16_t ch) {
    if (!enabled_) return;
    if (ch == 8) {
        if (selStart_ == selEnd_ && selStart_ > 0) --selStart_;
        text_.erase(selStart_, selEnd_ - selStart_);
    } else {
        text_.replace(selStart_, selEnd_ - selStart_, 1, ch);
        ++selStart_;
    }
    selEnd_ = selStart_;
    if (host_ != nullptr && host_->window_ != nullptr) host_->window_->onEditChanged(id());
}

// ---------------------------------------------------------------------------------------------
// TestTray

void TestTray::add(Window& target, uint32_t callbackMessage, int iconId, const QImage&,
                   const Text& tip) {
    target_ = &target;
    callbackMessage_ = callbackMessage;
    iconId_ = iconId;
    tip_ = tip;
    shown_ = true;
}

void TestTray::sendEvent(intptr_t event) {
    if (shown_ && target_ != nullptr) {
        target_->post(callbackMessage_, static_cast<uintptr_t>(iconId_), event);
    }
}

int TestTray::trackMenu(const std::vector<MenuItem>& items) {
    lastMenu_ = items;
    if (menuAnswers_.empty()) return 0;
    const int id = menuAnswers_.front();
    menuAnswers_.pop_front();
    return id;
}

// ---------------------------------------------------------------------------------------------
// Single instance inside one test process

class TestInstanceLock final : public InstanceLock {
public:
    TestInstanceLock(TestServices& services, std::string name, bool first)
        : services_(services), name_(std::move(name)), first_(first) {
        if (first_) services_.instances_[name_] = this;
    }
    ~TestInstanceLock() override {
        if (first_) services_.instances_.erase(name_);
    }
    bool isFirst() const override { return first_; }
    void onActivationRequest(std::function<void()> handler) override {
        handler_ = std::move(handler);
    }
    bool requestActivation() override {
        auto it = services_.instances_.find(name_);
        if (first_ || it == services_.instances_.end()) return false;
        if (it->second->handler_) it->second->handler_();
        return true;
    }

private:
    TestServices& services_;
    std::string name_;
    bool first_;
    std::function<void()> handler_;
};

// ---------------------------------------------------------------------------------------------
// TestServices

TestServices::TestServices() : previous_(hasServices() ? &services() : nullptr) {
    setServices(this);
}

TestServices::~TestServices() {
    setServices(previous_);
}

std::unique_ptr<WindowHost> TestServices::createHost(Window& window, WindowKind kind, Window* owner,
                                                     const QRect& screenRect) {
    auto host = std::make_unique<TestWindow>(*this, window, kind, owner, screenRect);
    hosts_.push_back(host.get());
    return host;
}

void TestServices::retireHost(std::unique_ptr<WindowHost> host) {
    retired_.push_back(std::move(host));
}

void TestServices::forget(TestWindow* host) {
    std::erase(hosts_, host);
    std::erase_if(timers_, [host](const Timer& t) { return t.host == host; });
    {
        std::lock_guard lock(postedMutex_);
        std::erase_if(posted_, [host](const Posted& p) { return p.host == host; });
    }
    if (active_ == host) active_ = nullptr;
}

void TestServices::setActive(TestWindow* host) {
    if (active_ == host) return;
    TestWindow* previous = active_;
    active_ = host;
    if (previous != nullptr && previous->window_ != nullptr) previous->window_->onActivationLost();
}

TestWindow* TestServices::find(const Window& window) const {
    auto it = std::find_if(hosts_.begin(), hosts_.end(),
                           [&](TestWindow* h) { return h->window_ == &window; });
    return it == hosts_.end() ? nullptr : *it;
}

TestWindow& TestServices::host(const Window& window) const {
    TestWindow* h = find(window);
    if (h == nullptr) throw std::logic_error("window has no test host");
    return *h;
}

TestWindow* TestServices::findByName(const std::string& name) const {
    auto it = std::find_if(hosts_.begin(), hosts_.end(),
                           [&](TestWindow* h) { return h->window_ && h->window_->name() == name; });
    return it == hosts_.end() ? nullptr : *it;
}

void TestServices::schedule(TestWindow* host, int id, int periodMs) {
    unschedule(host, id);
    timers_.push_back({host, id, periodMs, now_ + periodMs, nextOrder_++});
}

void TestServices::unschedule(TestWindow* host, int id) {
    std::erase_if(timers_, [&](const Timer& t) { return t.host == host && t.id == id; });
}

bool TestServices::fireNext(int64_t limit) {
    auto next =
        std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
    if (next == timers_.end() || next->due > limit) return false;
    now_ = std::max(now_, next->due);
    TestWindow* host = next->host;
    const int id = next->id;
    if (id == kHoverTimer) {
        timers_.erase(next);
        host->fireHover();
    } else {
        next->due += next->periodMs;
        next->order = nextOrder_++;
        if (host->window_ != nullptr) host->window_->onTimer(id);
    }
    processPosted();
    return true;
}

void TestServices::processPosted() {
    for (int handled = 0;; ++handled) {
        Posted item;
        {
            std::lock_guard lock(postedMutex_);
            if (posted_.empty()) return;
            item = posted_.front();
            posted_.pop_front();
        }
        if (handled > kMaxPostedPerDrain) throw std::runtime_error("posted messages never end");
        Window* window = item.host->window_;
        if (window == nullptr) continue;
        if (item.close) {
            window->onCloseRequest();
        } else {
            window->onMessage(item.message);
        }
    }
}

void TestServices::advance(int64_t ms) {
    const int64_t target = now_ + std::max<int64_t>(ms, 0);
    processPosted();
    while (fireNext(target)) {
    }
    now_ = std::max(now_, target);
    processPosted();
}

void TestServices::sleep(int ms) {
    now_ += std::max(ms, 0);
}

void TestServices::onModal(const std::string& windowName, ModalAction action) {
    modalActions_.emplace_back(windowName, std::move(action));
}

void TestServices::runModalLoop(TestWindow& host) {
    ModalAction action;
    auto it = std::find_if(modalActions_.begin(), modalActions_.end(), [&](const auto& entry) {
        return entry.first.empty() || entry.first == host.name();
    });
    if (it != modalActions_.end()) {
        action = std::move(it->second);
        modalActions_.erase(it);
    }
    processPosted();
    if (action && host.window_ != nullptr && !host.endRequested_) action(host);
    const int64_t start = now_;
    while (host.window_ != nullptr && !host.endRequested_) {
        processPosted();
        if (host.window_ == nullptr || host.endRequested_) break;
        if (!fireNext(start + modalTimeLimit_)) {
            throw std::runtime_error("modal window '" + host.name() + "' never ends");
        }
    }
}

std::optional<std::string> TestServices::answerFile(const FileDialogOptions& options) {
    fileDialogs_.push_back(options);
    if (fileAnswers_.empty()) return std::nullopt;
    auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

std::optional<std::string> TestServices::openFile(const FileDialogOptions& options) {
    return answerFile(options);
}

std::optional<std::string> TestServices::saveFile(const FileDialogOptions& options) {
    auto answer = answerFile(options);
    if (answer && !options.defaultExtension.empty()) {
        const size_t slash = answer->find_last_of('/');
        const size_t dot = answer->find_last_of('.');
        if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
            *answer += "." + options.defaultExtension;
        }
    }
    return answer;
}

std::unique_ptr<InstanceLock> TestServices::claimInstance(const std::string& lockName) {
    const bool first = instances_.find(lockName) == instances_.end();
    return std::make_unique<TestInstanceLock>(*this, lockName, first);
}

}  // namespace vexmo::platform::test
