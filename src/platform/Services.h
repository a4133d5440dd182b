// The process-wide platform services: window hosts, time, screen facts, file dialogs, tray icon,
// desktop links, the single-instance lock and the keyboard hook registry. One instance per
// process, chosen at start (Qt for the program, the test backend for tests).
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "base/Text.h"
#include "platform/Events.h"
#include "platform/WindowHost.h"

namespace vexmo::platform {

class Window;
class KeyboardHook;

struct FileDialogOptions {
    struct Filter {
        std::string description;  // "Profile files"
        std::string pattern;      // "*.psf"
    };
    std::string title;
    std::vector<Filter> filters;
    std::string defaultExtension;  // without the dot; appended when a saved name has none
    std::string initialName;       // file name or path proposed
};

// The status-area icon. Events reach the target window as posted messages
// (callbackMessage, iconId, event) with event 515 for a double click, 517 for a right release.
class Tray {
public:
    struct MenuItem {
        int id = 0;  // 0 for a separator
        Text text;
    };
    static constexpr intptr_t kDoubleClick = 515;
    static constexpr intptr_t kRightButtonUp = 517;

    virtual ~Tray() = default;
    virtual bool available() const = 0;
    virtual void add(Window& target, uint32_t callbackMessage, int iconId, const QImage& icon,
                     const Text& tip) = 0;
    virtual void remove() = 0;
    virtual bool shown() const = 0;
    // Shows the menu at the pointer and returns the chosen id, or 0 when none was chosen.
    virtual int trackMenu(const std::vector<MenuItem>& items) = 0;
};

// Result of claiming the single-instance lock.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this process holds the lock (it is the first instance).
    virtual bool isFirst() const = 0;
    // First instance: called on the window thread when a later start asks to be replaced by it.
    virtual void onActivationRequest(std::function<void()> handler) = 0;
    // Later instance: asks the first one to show itself; true when it answered.
    virtual bool requestActivation() = 0;
};

class Services {
public:
    virtual ~Services() = default;

    virtual std::unique_ptr<WindowHost> createHost(Window& window, WindowKind kind, Window* owner,
                                                   const QRect& screenRect) = 0;
    virtual void sleep(int ms) = 0;
    virtual int64_t nowMs() const = 0;
    // Usable area of the primary screen (without panels), in device pixels.
    virtual QRect workArea() const = 0;
    virtual double fontDpiFactor() const = 0;  // horizontal logical DPI / 96
    virtual int logicalDpiY() const = 0;
    virtual std::optional<std::string> openFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogOptions& options) = 0;
    virtual Tray& tray() = 0;
    virtual void openUrl(const std::string& url) = 0;
    virtual void openMouseSettings() = 0;
    virtual std::unique_ptr<InstanceLock> claimInstance(const std::string& lockName) = 0;
    // Takes a detached host; a backend may keep it until no callback of it can be running.
    virtual void retireHost(std::unique_ptr<WindowHost> host) {}

    // Layout scale for a usable area: 2.0 above 2400 x 1600, 1.5 above 1800 x 1200, else 1.0.
    static double uiScaleFor(const QSize& workArea);
    double uiScale() const { return uiScaleFor(workArea().size()); }

    // Keyboard hooks: backends report every key press and release of the program's windows here.
    void deliverHookKey(int vk, bool release);

private:
    friend class KeyboardHook;
    void addHook(KeyboardHook* hook);
    void removeHook(KeyboardHook* hook);
    std::vector<KeyboardHook*> hooks_;
};

// The process's services; setServices is called once at start (tests: per fixture).
Services& services();
void setServices(Services* services);
bool hasServices();

}  // namespace vexmo::platform
