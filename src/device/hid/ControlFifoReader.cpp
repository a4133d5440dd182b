#include "device/hid/ControlFifoReader.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vexmo::hid {
namespace {

// A longer line is no command; it is dropped up to its line feed.
constexpr size_t kMaxLine = 4096;

}  // namespace

ControlFifoReader::ControlFifoReader(std::string path, LineHandler onLine)
    : path_(std::move(path)), onLine_(std::move(onLine)) {}

ControlFifoReader::~ControlFifoReader() {
    stop();
}

bool ControlFifoReader::start() {
    if (thread_.joinable()) return true;
    if (::mkfifo(path_.c_str(), 0600) != 0 && errno != EEXIST) {
        error_ = path_ + ": " + std::strerror(errno);
        return false;
    }
    // Opened for writing too, so that the FIFO never reports end of file when a writer leaves.
    fd_ = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = path_ + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISFIFO(st.st_mode)) {
        error_ = path_ + ": not a FIFO";
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopFd_ < 0) {
        error_ = std::string("eventfd: ") + std::strerror(errno);
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void ControlFifoReader::stop() {
    if (!thread_.joinable()) return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopFd_, &one, sizeof one);
    thread_.join();
    ::close(fd_);
    ::close(stopFd_);
    fd_ = stopFd_ = -1;
}

void ControlFifoReader::run() {
    std::string line;
    bool overlong = false;
    for (;;) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents != 0) return;
        if (fds[0].revents & (POLLERR | POLLNVAL)) return;
        char buffer[512];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return;
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                if (!overlong) onLine_(line);
                line.clear();
                overlong = false;
            } else if (line.size() < kMaxLine) {
                line += c;
            } else {
                overlong = true;
            }
        }
    }
}

}  // namespace vexmo::hid
