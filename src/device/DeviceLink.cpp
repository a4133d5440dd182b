#include "device/DeviceLink.h"

#include <vector>

namespace vexmo {

namespace {

constexpr uint8_t kChangeReportId = 0x05;
constexpr uint8_t kChangeReportType = 0x06;

bool isMouse(const hid::InterfaceInfo& info, int product) {
    return info.vendor == kMouseVendor && info.product == kMouseProducts[product];
}

}  // namespace

DeviceLink::DeviceLink(hid::HidBackend& backend, ChangeCallback onChange)
    : backend_(backend), onChange_(std::move(onChange)) {}

DeviceLink::~DeviceLink() {
    StopReaders();
}

void DeviceLink::RegisterDeviceNotices() {
    firstArrivalPending_ = true;
    for (auto& marker : readerRunning_)
        marker = false;
    for (auto& p : products_)
        p.feature.reset();
}

hid::Device* DeviceLink::sendHandle() const {
    for (const auto& p : products_)
        if (p.feature) return p.feature.get();
    return nullptr;
}

void DeviceLink::CloseHandles() {
    for (auto& p : products_)
        p.feature.reset();
}

std::string DeviceLink::inputPath(int product) const {
    std::lock_guard lock(readerMutex_);
    return inputPaths_[product];
}

void DeviceLink::ScanInterface(int index, const hid::InterfaceInfo& info) {
    const int product = productIndexOf(info.product);
    if (info.vendor != kMouseVendor || product < 0) return;
    // Only an interface that can be opened counts, as a scan that has to open it to learn more.
    if (!backend_.open(info.path)) {
        unopenable_.push_back(info.path);
        return;
    }

    auto& state = products_[product];
    if (info.inputReportLength == kReportLength) {
        std::lock_guard lock(readerMutex_);
        if (inputPaths_[product].empty()) {
            state.inputMemberIndex = index;
            inputPaths_[product] = info.path;
        }
    } else if (info.featureReportLength == kReportLength) {
        if (state.featurePath.empty()) {
            state.present = true;
            state.featureMemberIndex = index;
            state.featurePath = info.path;
        } else if (state.featurePath == info.path) {
            state.present = true;
        }
    }
}

bool DeviceLink::ConnectDevices() {
    connected_ = false;
    for (auto& p : products_)
        p.present = false;

    // One enumeration serves the whole scan: positions are the member indexes.
    const std::vector<hid::InterfaceInfo> interfaces = backend_.enumerate();
    const int limit = std::min<int>(kScanLimit, static_cast<int>(interfaces.size()));
    for (int i = 0; i < limit; ++i)
        ScanInterface(i, interfaces[i]);

    connected_ = products_[0].present || products_[1].present;

    for (int product = 0; product < kProductCount; ++product) {
        auto& state = products_[product];
        if (state.present) {
            StartReader(product);
            if (!state.feature) {
                const auto fresh = backend_.enumerate();
                const int at = state.featureMemberIndex;
                if (at >= 0 && at < static_cast<int>(fresh.size()) && isMouse(fresh[at], product)) {
                    state.feature = backend_.open(fresh[at].path);
                }
            }
        } else {
            state.feature.reset();
            state.featurePath.clear();
        }
    }
    return connected_;
}

void DeviceLink::StartReader(int product) {
    // The marker is tested and set in one step here, on the window thread, so a reader that still
    // runs (or was started a moment ago) is never doubled and never waited for.
    if (readerRunning_[product].exchange(true)) return;
    const int memberIndex = products_[product].inputMemberIndex;
    auto& reader = readers_[product];
    // The marker was clear: the previous reader has finished its last step.
    if (reader.thread.joinable()) reader.thread.join();
    {
        std::lock_guard lock(readerMutex_);
        reader.stop = false;
    }
    reader.thread = std::thread(&DeviceLink::ReaderThread, this, product, memberIndex);
}

void DeviceLink::ReaderThread(int product, int memberIndex) {
    std::unique_ptr<hid::Device> device;
    const auto interfaces = backend_.enumerate();
    if (memberIndex >= 0 && memberIndex < static_cast<int>(interfaces.size()) &&
        isMouse(interfaces[memberIndex], product)) {
        device = backend_.open(interfaces[memberIndex].path);
    }
    bool stopped = false;
    if (device) {
        std::lock_guard lock(readerMutex_);
        stopped = readers_[product].stop;
        if (!stopped) readers_[product].device = device.get();
    }
    if (device && !stopped) {
        std::vector<uint8_t> buffer(std::max<int>(device->info().inputReportLength, 5), 0xFF);
        buffer[0] = kChangeReportId;
        for (;;) {
            const int n = device->readInput(buffer);
            if (n < 0) break;
            if (n >= 5 && buffer[0] == kChangeReportId && buffer[1] == kChangeReportType) {
                onChange_(buffer[3], buffer[4]);
            }
        }
    }
    {
        std::lock_guard lock(readerMutex_);
        readers_[product].device = nullptr;
        inputPaths_[product].clear();
    }
    readerRunning_[product] = false;
}

void DeviceLink::StopReaders() {
    for (auto& reader : readers_) {
        {
            std::lock_guard lock(readerMutex_);
            reader.stop = true;
            if (reader.device) reader.device->interrupt();
        }
        if (reader.thread.joinable()) reader.thread.join();
    }
}

}  // namespace vexmo
