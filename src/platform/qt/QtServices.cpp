#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QThread>
#include <QUrl>

#include "platform/qt/QtKeys.h"
#include "platform/qt/QtWindowHost.h"

namespace vexmo::platform::qt {

namespace {

constexpr int kAnswerTimeoutMs = 3000;
const QByteArray kActivateRequest = "activate\n";
const QByteArray kActivateAnswer = "ok\n";

QString SafeName(const std::string& lockName) {
    QString name = QString::fromStdString(lockName);
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != '-' && c != '_') c = '_';
    }
    return name;
}

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}

// First instance: holds the lock file and answers activation requests on a local socket.
// Later instance: holds nothing and can send the request.
class QtInstanceLock final : public QObject, public InstanceLock {
public:
    explicit QtInstanceLock(const std::string& lockName)
        : lock_(InstanceLockPath(lockName)), serverPath_(InstanceServerPath(lockName)) {
        lock_.setStaleLockTime(0);  // a lock left by a dead process is taken over
        first_ = lock_.tryLock(0);
        if (!first_) return;
        QLocalServer::removeServer(serverPath_);  // left over from a crash
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        server_.listen(serverPath_);
        connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
    }

    bool isFirst() const override { return first_; }
    void onActivationRequest(std::function<void()> handler) override {
        handler_ = std::move(handler);
    }

    bool requestActivation() override {
        if (first_) return false;
        QLocalSocket socket;
        socket.connectToServer(serverPath_);
        if (!socket.waitForConnected(kAnswerTimeoutMs)) return false;
        socket.write(kActivateRequest);
        if (!socket.waitForBytesWritten(kAnswerTimeoutMs)) return false;
        // Wait until the running instance has handled it.
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(kAnswerTimeoutMs)) return false;
        }
        return socket.readLine() == kActivateAnswer;
    }

private:
    void Accept() {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() == kActivateRequest) {
                    if (handler_) handler_();
                    socket->write(kActivateAnswer);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    }

    QLockFile lock_;
    QString serverPath_;
    QLocalServer server_;
    bool first_ = false;
    std::function<void()> handler_;
};

QString FilterString(const FileDialogOptions& options) {
    QStringList filters;
    for (const auto& filter : options.filters) {
        filters << QString::fromStdString(filter.description + " (" + filter.pattern + ")");
    }
    return filters.join(";;");
}

}  // namespace

QString InstanceLockPath(const std::string& lockName) {
    return RuntimeFolder() + "/" + SafeName(lockName) + ".lock";
}

QString InstanceServerPath(const std::string& lockName) {
    return RuntimeFolder() + "/" + SafeName(lockName) + ".socket";
}

// ---------------------------------------------------------------------------------------------
// QtTray

QtTray::QtTray() = default;
QtTray::~QtTray() = default;

bool QtTray::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::add(Window& target, uint32_t callbackMessage, int iconId, const QImage& icon,
                 const Text& tip) {
    icon_ = std::make_unique<QSystemTrayIcon>(QIcon(QPixmap::fromImage(icon)));
    icon_->setToolTip(QString::fromStdU16String(tip));
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [&target, callbackMessage, iconId](QSystemTrayIcon::ActivationReason reason) {
                // A single click restores too: many panels never report double clicks.
                switch (reason) {
                    case QSystemTrayIcon::DoubleClick:
                    case QSystemTrayIcon::Trigger:
                        target.post(callbackMessage, static_cast<uintptr_t>(iconId), kDoubleClick);
                        break;
                    case QSystemTrayIcon::Context:
                        target.post(callbackMessage, static_cast<uintptr_t>(iconId),
                                    kRightButtonUp);
                        break;
                    default:
                        break;
                }
            });
    icon_->show();
}

void QtTray::remove() {
    icon_.reset();
}

bool QtTray::shown() const {
    return icon_ != nullptr && icon_->isVisible();
}

int QtTray::trackMenu(const std::vector<MenuItem>& items) {
    QMenu menu;
    for (const MenuItem& item : items) {
        if (item.id == 0) {
            menu.addSeparator();
        } else {
            menu.addAction(QString::fromStdU16String(item.text))->setData(item.id);
        }
    }
    QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

// ---------------------------------------------------------------------------------------------
// QtServices

QtServices::QtServices() : previous_(hasServices() ? &services() : nullptr) {
    clock_.start();
    qApp->installEventFilter(this);
    setServices(this);
}

QtServices::~QtServices() {
    qApp->removeEventFilter(this);
    setServices(previous_);
}

std::unique_ptr<WindowHost> QtServices::createHost(Window& window, WindowKind kind, Window* owner,
                                                   const QRect& screenRect) {
    return std::make_unique<QtWindowHost>(window, kind, owner, screenRect);
}

void QtServices::sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(std::max(ms, 0)));
}

QRect QtServices::workArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
}

double QtServices::fontDpiFactor() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() / 96.0 : 1.0;
}

int QtServices::logicalDpiY() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
}

std::optional<std::string> QtServices::runFileDialog(const FileDialogOptions& options, bool save) {
    QFileDialog dialog(nullptr, QString::fromStdString(options.title));
    dialog.setNameFilter(FilterString(options));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.defaultExtension.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(options.defaultExtension));
    }
    if (!options.initialName.empty())
        dialog.selectFile(QString::fromStdString(options.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtServices::openFile(const FileDialogOptions& options) {
    return runFileDialog(options, false);
}

std::optional<std::string> QtServices::saveFile(const FileDialogOptions& options) {
    return runFileDialog(options, true);
}

void QtServices::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

QStringList QtServices::MouseSettingsCommand() {
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower();
    struct Panel {
        const char* program;
        QStringList arguments;
        bool kde;
    };
    const Panel panels[] = {{"gnome-control-center", {"mouse"}, false},
                            {"systemsettings", {"kcm_mouse"}, true},
                            {"kcmshell6", {"kcm_mouse"}, true},
                            {"kcmshell5", {"kcm_mouse"}, true}};
    // The running desktop's own panel first, then any panel that is installed.
    const bool onKde = desktop.contains("kde");
    for (int pass = 0; pass < 2; ++pass) {
        for (const Panel& panel : panels) {
            if (pass == 0 && panel.kde != onKde) continue;
            const QString path = QStandardPaths::findExecutable(panel.program);
            if (!path.isEmpty()) return QStringList{path} + panel.arguments;
        }
    }
    return {};
}

void QtServices::openMouseSettings() {
    const QStringList command = MouseSettingsCommand();
    if (!command.isEmpty()) QProcess::startDetached(command.first(), command.mid(1));
}

std::unique_ptr<InstanceLock> QtServices::claimInstance(const std::string& lockName) {
    return std::make_unique<QtInstanceLock>(lockName);
}

bool QtServices::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;
    QPointer<HostWidget> host = qobject_cast<HostWidget*>(widget->window());
    if (host == nullptr || host->target() == nullptr) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const quint64 signature = (static_cast<quint64>(key->key()) << 32) ^ key->nativeScanCode() ^
                              (static_cast<quint64>(type) << 20) ^
                              (key->isAutoRepeat() ? 1u << 31 : 0);
    if (event == lastKeyEvent_ && key->timestamp() == lastKeyStamp_ &&
        signature == lastKeySignature_) {
        return false;  // the same event climbing to a parent: already routed
    }
    lastKeyEvent_ = event;
    lastKeyStamp_ = key->timestamp();
    lastKeySignature_ = signature;

    const bool release = type == QEvent::KeyRelease;
    // Held keys repeat as further presses only, as the recorders expect.
    if (!(release && key->isAutoRepeat())) deliverHookKey(vkFromKeyEvent(*key, true), release);

    bool ok = false;
    const int editId = widget->property("vexmoEditId").toInt(&ok);
    KeyEvent notice{release ? KeyAction::Up : KeyAction::Down, vkFromKeyEvent(*key, false), 0,
                    ok ? editId : -1, key->isAutoRepeat()};
    if (host->target()->filterKey(notice)) return true;
    if (release) return false;
    for (QChar ch : key->text()) {
        if (host == nullptr || host->target() == nullptr) return true;
        if (!ch.isPrint() && ch.unicode() != 8) continue;
        notice.action = KeyAction::Char;
        notice.ch = ch.unicode();
        if (host->target()->filterKey(notice)) return true;
    }
    return host == nullptr || host->target() == nullptr;
}

}  // namespace vexmo::platform::qt
