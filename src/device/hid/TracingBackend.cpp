#include "device/hid/TracingBackend.h"

#include <cstdio>
#include <mutex>

#include "device/hid/ReportTrace.h"

namespace vexmo::hid {

// The trace file, shared by the backend and its devices; only successful transfers are written.
class TraceSink {
public:
    TraceSink(const std::string& file, const Clock& clock)
        : file_(std::fopen(file.c_str(), "ae")), clock_(clock), startMs_(clock.nowMs()) {}
    ~TraceSink() {
        if (file_) std::fclose(file_);
    }
    TraceSink(const TraceSink&) = delete;
    TraceSink& operator=(const TraceSink&) = delete;

    bool open() const { return file_ != nullptr; }

    void write(ReportDirection direction, uint16_t product, std::span<const uint8_t> bytes) {
        if (!file_) return;
        const std::string line =
            formatTraceLine(clock_.nowMs() - startMs_, direction, product, bytes) + "\n";
        std::lock_guard lock(mutex_);
        std::fputs(line.c_str(), file_);
        std::fflush(file_);
    }

private:
    std::mutex mutex_;
    std::FILE* file_;
    const Clock& clock_;
    const int64_t startMs_;
};

namespace {

class TracingDevice final : public Device {
public:
    TracingDevice(std::unique_ptr<Device> inner, std::shared_ptr<TraceSink> sink)
        : inner_(std::move(inner)), sink_(std::move(sink)) {}

    const InterfaceInfo& info() const override { return inner_->info(); }

    bool setFeature(std::span<const uint8_t> report) override {
        const bool ok = inner_->setFeature(report);
        if (ok) sink_->write(ReportDirection::Set, info().product, report);
        return ok;
    }

    bool getFeature(std::span<uint8_t> report) override {
        const bool ok = inner_->getFeature(report);
        if (ok) sink_->write(ReportDirection::Get, info().product, report);
        return ok;
    }

    int readInput(std::span<uint8_t> buffer) override {
        const int n = inner_->readInput(buffer);
        if (n > 0) sink_->write(ReportDirection::In, info().product, buffer.first(n));
        return n;
    }

    void interrupt() override { inner_->interrupt(); }

private:
    std::unique_ptr<Device> inner_;
    std::shared_ptr<TraceSink> sink_;
};

}  // namespace

TracingBackend::TracingBackend(HidBackend& inner, const std::string& file, const Clock& clock)
    : inner_(inner), sink_(std::make_shared<TraceSink>(file, clock)) {}

TracingBackend::TracingBackend(std::unique_ptr<HidBackend> inner, const std::string& file,
                               const Clock& clock)
    : owned_(std::move(inner)), inner_(*owned_), sink_(std::make_shared<TraceSink>(file, clock)) {}

TracingBackend::~TracingBackend() = default;

bool TracingBackend::tracing() const {
    return sink_->open();
}

std::vector<InterfaceInfo> TracingBackend::enumerate() {
    return inner_.enumerate();
}

std::unique_ptr<Device> TracingBackend::open(const std::string& path) {
    std::unique_ptr<Device> device = inner_.open(path);
    if (!device) return nullptr;
    return std::make_unique<TracingDevice>(std::move(device), sink_);
}

}  // namespace vexmo::hid
