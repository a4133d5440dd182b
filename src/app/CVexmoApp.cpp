#include "app/CVexmoApp.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>

#include "app/CVexmoDlg.h"
#include "app/DeviceBackend.h"
#include "platform/Services.h"

namespace vexmo {

namespace {

constexpr const char* kInstanceLock = "20210610 Mouse 33XX";

// SIGTERM and SIGINT write a byte to a socket pair; the window thread reads it and asks the main
// window to end the program, so pending files are written as on the tray's exit.
int signalFds[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalFds[0], &byte, 1);
}

}  // namespace

int CVexmoApp::Run() {
    platform::Services& services = platform::services();
    auto instance = services.claimInstance(kInstanceLock);
    if (!instance->isFirst()) {
        instance->requestActivation();
        return 0;
    }

    DeviceBackend devices({options_.demo, options_.tracePath, options_.controlPath});
    if (!devices.warning().empty()) std::fprintf(stderr, "vexmo: %s\n", devices.warning().c_str());
    CVexmoDlg window({options_.dataDirectory, options_.locale}, devices.backend());
    instance->onActivationRequest([&window] { window.post(msg::kActivateInstance, 0, 0); });
    devices.StartNotices(window);

    std::unique_ptr<QSocketNotifier> signalNotifier;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalFds) == 0) {
        signalNotifier = std::make_unique<QSocketNotifier>(signalFds[1], QSocketNotifier::Read);
        QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, [&window] {
            char byte;
            [[maybe_unused]] const ssize_t n = ::read(signalFds[1], &byte, 1);
            window.post(msg::kCommand, msg::kExit, 0);
        });
        std::signal(SIGTERM, onSignal);
        std::signal(SIGINT, onSignal);
    }
    const int status = window.Run();
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    return status;
}

}  // namespace vexmo
