// Deterministic platform backend for tests: one thread, a virtual clock, windows painted
// off-screen into QImages, synthetic mouse and key input at client coordinates, scripted modal
// windows and file dialogs. Constructing it makes it the process's services until destroyed.
#pragma once

#include <QImage>
#include <QRegion>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/Window.h"

namespace vexmo::platform::test {

class TestServices;
class TestEditField;

// The test side of one window: look at it and drive it with input.
class TestWindow final : public WindowHost {
public:
    TestWindow(TestServices& services, Window& window, WindowKind kind, Window* owner,
               const QRect& screenRect);
    ~TestWindow() override;

    Window* window() const { return window_; }  // null once the window is gone
    WindowKind kind() const { return kind_; }
    const std::string& name() const { return window_ != nullptr ? window_->name() : name_; }

    // The painted client area (paints what was invalidated first).
    const QImage& image();
    QRgb pixel(int x, int y) { return image().pixel(x, y); }
    // Region invalidated and not yet painted.
    const QRegion& dirty() const { return dirty_; }
    void flushPaint() { image(); }
    int paintCount() const { return paintCount_; }

    // Pointer input at client coordinates. A point outside the client area counts as leaving
    // the window unless the mouse is captured.
    void mouseMove(int x, int y);
    void leftDown(int x, int y);
    void leftUp(int x, int y);
    void click(int x, int y);        // move, down, up
    void doubleClick(int x, int y);  // down, up, double click, up
    void rightClick(int x, int y);   // move, right down, right up
    void leave();                    // the pointer leaves the window to an unknown point
    // Same at design coordinates multiplied by the services' design scale (truncated).
    void clickDesign(int x, int y);
    void moveDesign(int x, int y);

    // Keys: a press and release of a virtual key (hooks see vk as given; the window's key
    // filter sees it as a key-down and key-up); typing sends each character as key-down, character
    // and key-up to the focused edit field, if any.
    void keyDown(int vk);
    void keyUp(int vk);
    void pressKey(int vk);
    void typeText(const Text& text);
    // A close request, as from the window manager.
    void close();

    bool visible() const { return visible_; }
    bool topMost() const { return topMost_; }
    double opacity() const { return opacity_; }
    const Text& title() const { return title_; }
    bool captured() const { return captured_; }
    int systemMoves() const { return systemMoves_; }
    bool tracking() const { return trackHoverMs_ >= 0 || trackLeave_; }
    bool modalRunning() const { return modalDepth_ > 0; }
    std::vector<TestEditField*> editFields() const;
    TestEditField* editField(int id) const;
    TestEditField* focusedEdit() const;

    // WindowHost
    void detach() override;
    void post(const Message& message) override;
    void postClose() override;
    void setTimer(int id, int ms) override;
    void killTimer(int id) override;
    void invalidate(const QRect& clientRect) override;
    void paintNow() override { image(); }
    int runModal() override;
    void endModal(int result) override;
    bool inModal() const override { return modalDepth_ > 0; }
    void setGeometry(const QRect& screenRect) override;
    QRect geometry() const override { return geometry_; }
    void show(bool activate) override;
    void showNormal() override { show(true); }
    void hide() override;
    bool isVisible() const override { return visible_; }
    bool isMinimized() const override { return false; }
    void activate() override;
    bool isActive() const override;
    void setTopMost(bool topMost) override { topMost_ = topMost; }
    void setOpacity(double opacity) override { opacity_ = opacity; }
    void setTitle(const Text& title) override { title_ = title; }
    void setIcon(const QImage&) override {}
    void trackMouse(int hoverMs) override;
    void setCapture(bool capture) override;
    void startSystemMove() override { ++systemMoves_; }
    std::unique_ptr<EditField> createEditField(int id, const QRect& clientRect) override;

private:
    friend class TestServices;
    friend class TestEditField;
    void mouse(MouseAction action, int x, int y);
    void fireHover();
    void pointerLeft();  // leave notice at the last pointer position
    bool deliverKey(const KeyEvent& event);
    void typeChar(char16_t ch);

    TestServices& services_;
    Window* window_;
    WindowKind kind_;
    std::string name_;
    QRect geometry_;
    QImage buffer_;
    QRegion dirty_;
    int paintCount_ = 0;
    bool visible_ = false;
    bool topMost_ = false;
    double opacity_ = 1.0;
    Text title_;
    bool captured_ = false;
    bool leftHeld_ = false;
    bool pointerInside_ = false;
    QPoint pointer_{-1, -1};
    int trackHoverMs_ = -1;
    bool trackLeave_ = false;
    int systemMoves_ = 0;
    int modalDepth_ = 0;
    bool endRequested_ = false;
    int modalResult_ = -1;
    std::vector<TestEditField*> edits_;
    int focusedEditId_ = -1;
};

class TestEditField final : public EditField {
public:
    TestEditField(TestWindow& host, int id, const QRect& rect);
    ~TestEditField() override;

    Text text() const override { return text_; }
    void setText(const Text& text) override;
    void setSelection(int start, int end) override;
    void selectAll() override { setSelection(0, static_cast<int>(text_.size())); }
    void caretToEnd() override;
    void setFocus() override;
    bool hasFocus() const override;
    void setGeometry(const QRect& rect) override { rect_ = rect; }
    QRect geometry() const override { return rect_; }
    void setVisible(bool visible) override { visible_ = visible; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void setFont(const QFont& font) override { font_ = font; }
    void setColours(const QColor& text, const QColor& background) override {
        textColour_ = text;
        background_ = background;
    }
    void setCentred(bool centred) override { centred_ = centred; }
    std::pair<int, int> selection() const override { return {selStart_, selEnd_}; }

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    const QFont& font() const { return font_; }
    QColor textColour() const { return textColour_; }
    QColor background() const { return background_; }
    bool centred() const { return centred_; }

    // Replaces the selection with ch, or deletes before the caret for backspace (8).
    void typeChar(char16_t ch);

private:
    friend class TestWindow;
    TestWindow* host_;
    QRect rect_;
    Text text_;
    int selStart_ = 0;
    int selEnd_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    QFont font_;
    QColor textColour_{Qt::black};
    QColor background_{Qt::white};
    bool centred_ = false;
};

class TestTray final : public Tray {
public:
    bool available() const override { return available_; }
    void add(Window& target, uint32_t callbackMessage, int iconId, const QImage& icon,
             const Text& tip) override;
    void remove() override { shown_ = false; }
    bool shown() const override { return shown_; }
    int trackMenu(const std::vector<MenuItem>& items) override;

    void setAvailable(bool available) { available_ = available; }
    // Posts the icon's callback message with this event (515 double click, 517 right release).
    void sendEvent(intptr_t event);
    // Answers of the next menus, in order; a menu without an answer chooses nothing.
    void answerMenu(int id) { menuAnswers_.push_back(id); }
    const std::vector<MenuItem>& lastMenu() const { return lastMenu_; }
    const Text& tip() const { return tip_; }
    int iconId() const { return iconId_; }

private:
    bool available_ = true;
    bool shown_ = false;
    Window* target_ = nullptr;
    uint32_t callbackMessage_ = 0;
    int iconId_ = 0;
    Text tip_;
    std::deque<int> menuAnswers_;
    std::vector<MenuItem> lastMenu_;
};

class TestServices final : public Services {
public:
    using ModalAction = std::function<void(TestWindow&)>;

    TestServices();
    ~TestServices() override;

    // Virtual time. advance fires every timer due up to now + ms in time order (equal times in
    // the order they were scheduled) and drains posted messages before and after each.
    void advance(int64_t ms);
    void processPosted();
    int64_t nowMs() const override { return now_; }
    void sleep(int ms) override;  // moves the clock without running anything, as a blocking wait
    // Virtual time a modal run may take before the test is failed by an exception.
    void setModalTimeLimit(int64_t ms) { modalTimeLimit_ = ms; }

    // Scripted modal windows: the first registered action whose name matches the window's
    // name ("" matches any) runs once, when that window's modal run starts.
    void onModal(const std::string& windowName, ModalAction action);
    size_t pendingModalActions() const { return modalActions_.size(); }
    std::vector<std::string> modalsRun() const { return modalsRun_; }

    // Screen facts.
    void setWorkArea(const QRect& area) { workArea_ = area; }
    void setFontDpiFactor(double factor) { fontDpiFactor_ = factor; }
    void setDesignScale(double scale) { designScale_ = scale; }
    double designScale() const { return designScale_; }

    // File dialogs: answers in order (nullopt = cancelled); without an answer a dialog cancels.
    void answerFileDialog(std::optional<std::string> path) { fileAnswers_.push_back(path); }
    const std::vector<FileDialogOptions>& fileDialogsAsked() const { return fileDialogs_; }

    TestTray& testTray() { return tray_; }
    const std::vector<std::string>& openedUrls() const { return urls_; }
    int mouseSettingsOpened() const { return mouseSettingsOpened_; }

    // Windows.
    std::vector<TestWindow*> windows() const { return hosts_; }
    TestWindow* find(const Window& window) const;
    TestWindow& host(const Window& window) const;  // throws when the window has no host
    TestWindow* findByName(const std::string& name) const;
    TestWindow* activeWindow() const { return active_; }

    // Services
    std::unique_ptr<WindowHost> createHost(Window& window, WindowKind kind, Window* owner,
                                           const QRect& screenRect) override;
    QRect workArea() const override { return workArea_; }
    double fontDpiFactor() const override { return fontDpiFactor_; }
    int logicalDpiY() const override { return static_cast<int>(96 * fontDpiFactor_); }
    std::optional<std::string> openFile(const FileDialogOptions& options) override;
    std::optional<std::string> saveFile(const FileDialogOptions& options) override;
    Tray& tray() override { return tray_; }
    void openUrl(const std::string& url) override { urls_.push_back(url); }
    void openMouseSettings() override { ++mouseSettingsOpened_; }
    std::unique_ptr<InstanceLock> claimInstance(const std::string& lockName) override;
    void retireHost(std::unique_ptr<WindowHost> host) override;

private:
    friend class TestWindow;
    friend class TestInstanceLock;
    struct Timer {
        TestWindow* host;
        int id;  // kHoverTimer for the pointer-rest notice
        int periodMs;
        int64_t due;
        uint64_t order;
    };
    struct Posted {
        TestWindow* host;
        bool close;
        Message message;
    };
    static constexpr int kHoverTimer = -1;

    void schedule(TestWindow* host, int id, int periodMs);
    void unschedule(TestWindow* host, int id);
    // Fires the earliest timer due at or before limit; false when there is none.
    bool fireNext(int64_t limit);
    void forget(TestWindow* host);
    void setActive(TestWindow* host);
    void runModalLoop(TestWindow& host);
    std::optional<std::string> answerFile(const FileDialogOptions& options);

    Services* previous_;
    int64_t now_ = 0;
    int64_t modalTimeLimit_ = 3600 * 1000;
    std::vector<Timer> timers_;
    uint64_t nextOrder_ = 0;
    mutable std::mutex postedMutex_;
    std::deque<Posted> posted_;
    std::vector<TestWindow*> hosts_;
    std::vector<std::unique_ptr<WindowHost>> retired_;  // kept until the services go
    TestWindow* active_ = nullptr;
    std::vector<std::pair<std::string, ModalAction>> modalActions_;
    std::vector<std::string> modalsRun_;
    QRect workArea_{0, 0, 1920, 1040};
    double fontDpiFactor_ = 1.0;
    double designScale_ = 1.0;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<FileDialogOptions> fileDialogs_;
    TestTray tray_;
    std::vector<std::string> urls_;
    int mouseSettingsOpened_ = 0;
    std::map<std::string, class TestInstanceLock*> instances_;
};

}  // namespace vexmo::platform::test
