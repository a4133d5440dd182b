// Time source and pause for code that paces itself (report pacing, timestamps); tests use a
// manual clock so that nothing really sleeps.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace vexmo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t nowMs() const = 0;
    virtual void sleepMs(int ms) = 0;
};

class SteadyClock final : public Clock {
public:
    int64_t nowMs() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }
    void sleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Virtual time: sleepMs advances it at once. Readable from any thread.
class ManualClock final : public Clock {
public:
    int64_t nowMs() const override { return now_.load(); }
    void sleepMs(int ms) override { now_ += ms; }
    void advance(int64_t ms) { now_ += ms; }

private:
    std::atomic<int64_t> now_{0};
};

}  // namespace vexmo
