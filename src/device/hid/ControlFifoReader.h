// Reads command lines from a FIFO on a thread of its own and hands each complete line to a
// handler (on that thread); used to steer the simulated mouse from outside the program.
#pragma once

#include <functional>
#include <string>
#include <thread>

namespace vexmo::hid {

class ControlFifoReader {
public:
    using LineHandler = std::function<void(const std::string& line)>;

    ControlFifoReader(std::string path, LineHandler onLine);
    ~ControlFifoReader();  // stops
    ControlFifoReader(const ControlFifoReader&) = delete;
    ControlFifoReader& operator=(const ControlFifoReader&) = delete;

    // Creates the FIFO when the path does not exist, opens it and starts reading. False, with
    // error() telling why, when the path is not a FIFO or cannot be opened.
    bool start();
    // Ends the thread; a line without its line feed yet is dropped. Safe to call twice.
    void stop();
    const std::string& error() const { return error_; }

private:
    void run();

    std::string path_;
    LineHandler onLine_;
    std::string error_;
    int fd_ = -1;
    int stopFd_ = -1;
    std::thread thread_;
};

}  // namespace vexmo::hid
