// The production platform services on Qt: window hosts on QWidget, the screen facts in device
// pixels, QFileDialog, QSystemTrayIcon with a QMenu, desktop links, the single-instance lock
// (QLockFile + QLocalServer) and the key routing that feeds keyboard hooks and key filters.
// Construct it after the QApplication (with Qt's own high-DPI scaling turned off).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <memory>

#include "platform/Services.h"

class QSystemTrayIcon;

namespace vexmo::platform::qt {

class QtTray final : public QObject, public Tray {
    Q_OBJECT
public:
    QtTray();
    ~QtTray() override;
    bool available() const override;
    // target must outlive the icon (or remove it first).
    void add(Window& target, uint32_t callbackMessage, int iconId, const QImage& icon,
             const Text& tip) override;
    void remove() override;
    bool shown() const override;
    int trackMenu(const std::vector<MenuItem>& items) override;

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
};

class QtServices final : public QObject, public Services {
    Q_OBJECT
public:
    QtServices();  // becomes the process's services
    ~QtServices() override;

    std::unique_ptr<WindowHost> createHost(Window& window, WindowKind kind, Window* owner,
                                           const QRect& screenRect) override;
    void sleep(int ms) override;
    int64_t nowMs() const override { return clock_.elapsed(); }
    QRect workArea() const override;
    double fontDpiFactor() const override;
    int logicalDpiY() const override;
    std::optional<std::string> openFile(const FileDialogOptions& options) override;
    std::optional<std::string> saveFile(const FileDialogOptions& options) override;
    Tray& tray() override { return tray_; }
    void openUrl(const std::string& url) override;
    void openMouseSettings() override;
    std::unique_ptr<InstanceLock> claimInstance(const std::string& lockName) override;

    // The desktop's mouse settings panel as a program and its arguments; empty when none.
    static QStringList MouseSettingsCommand();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<std::string> runFileDialog(const FileDialogOptions& options, bool save);

    QElapsedTimer clock_;
    QtTray tray_;
    Services* previous_;
    // The key event last routed: one event reaches the filter again on each parent it climbs to.
    const QEvent* lastKeyEvent_ = nullptr;
    quint64 lastKeyStamp_ = 0;
    quint64 lastKeySignature_ = 0;
};

// The lock file and socket names in the runtime folder for a lock name.
QString InstanceLockPath(const std::string& lockName);
QString InstanceServerPath(const std::string& lockName);

}  // namespace vexmo::platform::qt
