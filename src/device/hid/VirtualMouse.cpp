#include "device/hid/VirtualMouse.h"

#include <algorithm>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <deque>
#include <mutex>

#include "device/hid/ReportDescriptorParser.h"

namespace vexmo::hid {
namespace {

constexpr uint16_t kOtherVendor = 0x1234;
constexpr uint16_t kOtherProduct = 0x5678;
constexpr int kUnrelated = -1;  // product index of padding interfaces

// Mouse, report 1: five buttons, 16-bit X and Y, wheel and horizontal pan.
constexpr uint8_t kMouseDescriptor[] = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01,
    0x75, 0x03, 0x81, 0x01, 0x05, 0x01, 0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95,
    0x02, 0x09, 0x30, 0x09, 0x31, 0x81, 0x06, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01,
    0x09, 0x38, 0x81, 0x06, 0x05, 0x0C, 0x0A, 0x38, 0x02, 0x95, 0x01, 0x81, 0x06, 0xC0, 0xC0,
};

// Keyboard (report 1 with LED output), consumer control (report 3, one 16-bit usage) and
// system control (report 4) in one node.
constexpr uint8_t kKeysDescriptor[] = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15,
    0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01,
    0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x95, 0x05, 0x75, 0x01, 0x91, 0x02, 0x95, 0x01, 0x75,
    0x03, 0x91, 0x01, 0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF, 0x00, 0x15, 0x00, 0x26, 0xFF, 0x00,
    0x75, 0x08, 0x95, 0x06, 0x81, 0x00, 0xC0, 0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03,
    0x19, 0x00, 0x2A, 0x3C, 0x02, 0x15, 0x00, 0x26, 0x3C, 0x02, 0x75, 0x10, 0x95, 0x01, 0x81,
    0x00, 0xC0, 0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x85, 0x04, 0x19, 0x81, 0x29, 0x83, 0x15,
    0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x01, 0xC0,
};

// Vendor page 0xFF00: usage 1 carries input report 5, usage 2 feature report 0x0C, 32 data
// bytes each, as two top-level collections of one node.
constexpr std::array<uint8_t, 23> kVendorInputCollection = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x05, 0x09, 0x01, 0x15,
    0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x20, 0x81, 0x02, 0xC0,
};
constexpr std::array<uint8_t, 23> kVendorFeatureCollection = {
    0x06, 0x00, 0xFF, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x0C, 0x09, 0x02, 0x15,
    0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x20, 0xB1, 0x02, 0xC0,
};

template <size_t A, size_t B>
constexpr std::array<uint8_t, A + B> join(const std::array<uint8_t, A>& a,
                                          const std::array<uint8_t, B>& b) {
    std::array<uint8_t, A + B> joined{};
    std::copy(a.begin(), a.end(), joined.begin());
    std::copy(b.begin(), b.end(), joined.begin() + A);
    return joined;
}

constexpr auto kVendorDescriptor = join(kVendorInputCollection, kVendorFeatureCollection);
constexpr auto kVendorFeatureFirstDescriptor =
    join(kVendorFeatureCollection, kVendorInputCollection);

// A boot keyboard of another maker, used as padding.
constexpr uint8_t kOtherDescriptor[] = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25,
    0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x06,
    0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0,
};

std::string productName(uint16_t product) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(product));
    return text;
}

// The collections of the given nodes as interfaces named "<prefix><node>#<collection>".
std::vector<InterfaceInfo> describeNodes(std::initializer_list<std::span<const uint8_t>> nodes,
                                         const std::string& prefix, uint16_t vendor,
                                         uint16_t product) {
    std::vector<InterfaceInfo> interfaces;
    size_t node = 0;
    for (std::span<const uint8_t> descriptor : nodes) {
        const ReportDescriptor parsed = ReportDescriptorParser::parse(descriptor);
        for (size_t c = 0; c < parsed.collections.size(); ++c) {
            interfaces.push_back(interfaceFor(
                parsed.collections[c], prefix + std::to_string(node) + "#" + std::to_string(c),
                vendor, product));
        }
        ++node;
    }
    return interfaces;
}

std::vector<InterfaceInfo> productInterfaces(uint16_t product) {
    const std::span<const uint8_t> vendor =
        product == VirtualMouse::kProducts[0]
            ? std::span<const uint8_t>(kVendorDescriptor)
            : std::span<const uint8_t>(kVendorFeatureFirstDescriptor);
    return describeNodes({kMouseDescriptor, kKeysDescriptor, vendor},
                         "virtual/" + productName(product) + "/", VirtualMouse::kVendor, product);
}

int productIndex(uint16_t product) {
    const auto* it =
        std::find(VirtualMouse::kProducts.begin(), VirtualMouse::kProducts.end(), product);
    return it == VirtualMouse::kProducts.end()
               ? kUnrelated
               : static_cast<int>(it - VirtualMouse::kProducts.begin());
}

}  // namespace

struct VirtualMouseState {
    struct Product {
        uint16_t id = 0;
        bool plugged = true;
        uint64_t generation = 0;  // increases with every unplug; older devices are dead
        size_t padding = 0;
        std::vector<InterfaceInfo> interfaces;
    };
    struct Reader {
        int product = kUnrelated;
        std::deque<VirtualFirmware::Report> queue;
    };

    VirtualMouseState(const Clock& c, MouseConfig factory)
        : clock(c), firmware(std::move(factory)) {
        for (size_t i = 0; i < products.size(); ++i) {
            products[i].id = VirtualMouse::kProducts[i];
            products[i].interfaces = productInterfaces(products[i].id);
        }
        other = describeNodes({kOtherDescriptor}, "", kOtherVendor, kOtherProduct).front();
    }

    // Caller holds the mutex.
    std::vector<std::pair<InterfaceInfo, int>> listing() const {
        std::vector<std::pair<InterfaceInfo, int>> list;
        for (size_t p = 0; p < products.size(); ++p) {
            for (size_t i = 0; i < products[p].padding; ++i) {
                InterfaceInfo info = other;
                info.path =
                    "virtual/other-" + productName(products[p].id) + "/" + std::to_string(i);
                list.emplace_back(std::move(info), kUnrelated);
            }
            if (!products[p].plugged) continue;
            for (const InterfaceInfo& info : products[p].interfaces) {
                list.emplace_back(info, static_cast<int>(p));
            }
        }
        return list;
    }

    void record(uint16_t product, ReportDirection direction, std::span<const uint8_t> bytes) {
        log.push_back({clock.nowMs(), product, direction, {bytes.begin(), bytes.end()}});
    }

    const Clock& clock;
    std::mutex mutex;
    std::condition_variable wake;
    VirtualFirmware firmware;
    std::vector<VirtualMouse::LogEntry> log;
    std::array<Product, 2> products;
    InterfaceInfo other;           // the padding interfaces, but for their paths
    std::vector<Reader*> readers;  // open devices of input interfaces
    VirtualMouse::HotplugCallback callback;
    bool destroyed = false;
};

namespace {

class VirtualDevice final : public Device {
public:
    VirtualDevice(std::shared_ptr<VirtualMouseState> state, InterfaceInfo info, int product)
        : state_(std::move(state)), info_(std::move(info)) {
        reader_.product = product;
        if (product != kUnrelated) generation_ = state_->products[product].generation;
        if (product != kUnrelated && isInputInterface()) state_->readers.push_back(&reader_);
    }

    ~VirtualDevice() override {
        std::lock_guard lock(state_->mutex);
        std::erase(state_->readers, &reader_);
    }

    const InterfaceInfo& info() const override { return info_; }

    bool setFeature(std::span<const uint8_t> report) override {
        std::lock_guard lock(state_->mutex);
        if (!usableForFeatures("set")) return false;
        if (!state_->firmware.receive(info_.product, report)) return false;
        state_->record(info_.product, ReportDirection::Set, report);
        return true;
    }

    bool getFeature(std::span<uint8_t> report) override {
        std::lock_guard lock(state_->mutex);
        if (!usableForFeatures("get")) return false;
        if (report.size() != VirtualFirmware::kReportLength ||
            report[0] != VirtualFirmware::kFeatureReportId) {
            misuse("get of feature report 0x%02x with %zu bytes", report.empty() ? 0 : report[0],
                   report.size());
            return false;
        }
        const VirtualFirmware::Report reply = state_->firmware.reply(info_.product);
        std::copy(reply.begin(), reply.end(), report.begin());
        state_->record(info_.product, ReportDirection::Get, report);
        return true;
    }

    int readInput(std::span<uint8_t> buffer) override {
        if (info_.inputReportLength == 0 || buffer.empty()) return -1;
        std::unique_lock lock(state_->mutex);
        state_->wake.wait(lock, [&] { return interrupted_ || !alive() || !reader_.queue.empty(); });
        if (interrupted_ || !alive()) return -1;
        const VirtualFirmware::Report report = reader_.queue.front();
        reader_.queue.pop_front();
        const size_t n = std::min(buffer.size(), report.size());
        std::copy_n(report.begin(), n, buffer.begin());
        return static_cast<int>(n);
    }

    void interrupt() override {
        std::lock_guard lock(state_->mutex);
        interrupted_ = true;
        state_->wake.notify_all();
    }

private:
    bool isInputInterface() const {
        return info_.inputReportLength == VirtualFirmware::kReportLength;
    }

    // Caller holds the mutex.
    bool alive() const {
        if (state_->destroyed) return false;
        if (reader_.product == kUnrelated) return true;
        const VirtualMouseState::Product& p = state_->products[reader_.product];
        return p.plugged && p.generation == generation_;
    }

    [[gnu::format(printf, 2, 3)]] void misuse(const char* format, ...) {
        char text[128];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        state_->firmware.addViolation(info_.path + ": " + text);
    }

    // Caller holds the mutex.
    bool usableForFeatures(const char* what) {
        if (!alive()) return false;
        if (reader_.product == kUnrelated || info_.featureReportLength == 0) {
            misuse("feature %s on an interface without the configuration report", what);
            return false;
        }
        return true;
    }

    std::shared_ptr<VirtualMouseState> state_;
    InterfaceInfo info_;
    uint64_t generation_ = 0;
    bool interrupted_ = false;
    VirtualMouseState::Reader reader_;
};

}  // namespace

VirtualMouse::VirtualMouse(const Clock& clock, MouseConfig factory)
    : state_(std::make_shared<VirtualMouseState>(clock, std::move(factory))) {}

VirtualMouse::~VirtualMouse() {
    std::lock_guard lock(state_->mutex);
    state_->destroyed = true;
    state_->wake.notify_all();
}

std::vector<InterfaceInfo> VirtualMouse::enumerate() {
    std::lock_guard lock(state_->mutex);
    std::vector<InterfaceInfo> interfaces;
    for (auto& [info, product] : state_->listing())
        interfaces.push_back(std::move(info));
    return interfaces;
}

std::unique_ptr<Device> VirtualMouse::open(const std::string& path) {
    std::lock_guard lock(state_->mutex);
    for (auto& [info, product] : state_->listing()) {
        if (info.path == path)
            return std::make_unique<VirtualDevice>(state_, std::move(info), product);
    }
    return nullptr;
}

void VirtualMouse::setPadding(uint16_t product, size_t count) {
    const int p = productIndex(product);
    if (p == kUnrelated) return;
    std::lock_guard lock(state_->mutex);
    state_->products[p].padding = count;
}

void VirtualMouse::setPlugged(uint16_t product, bool plugged) {
    const int p = productIndex(product);
    if (p == kUnrelated) return;
    HotplugCallback callback;
    {
        std::lock_guard lock(state_->mutex);
        VirtualMouseState::Product& entry = state_->products[p];
        if (entry.plugged == plugged) return;
        entry.plugged = plugged;
        if (!plugged) {
            ++entry.generation;
            state_->firmware.forget(product);
            state_->wake.notify_all();
        }
        callback = state_->callback;
    }
    if (callback) callback(product, plugged);
}

void VirtualMouse::plug(uint16_t product) {
    setPlugged(product, true);
}
void VirtualMouse::unplug(uint16_t product) {
    setPlugged(product, false);
}

bool VirtualMouse::isPlugged(uint16_t product) const {
    const int p = productIndex(product);
    if (p == kUnrelated) return false;
    std::lock_guard lock(state_->mutex);
    return state_->products[p].plugged;
}

void VirtualMouse::setHotplugCallback(HotplugCallback callback) {
    std::lock_guard lock(state_->mutex);
    state_->callback = std::move(callback);
}

bool VirtualMouse::pressButton(const std::function<bool(VirtualFirmware&)>& change) {
    std::lock_guard lock(state_->mutex);
    const auto plugged = std::find_if(state_->products.begin(), state_->products.end(),
                                      [](const auto& p) { return p.plugged; });
    if (plugged == state_->products.end() || !change(state_->firmware)) return false;
    const int index = static_cast<int>(plugged - state_->products.begin());
    const VirtualFirmware::Report report = state_->firmware.changeReport();
    state_->record(plugged->id, ReportDirection::In, report);
    for (VirtualMouseState::Reader* reader : state_->readers) {
        if (reader->product == index) reader->queue.push_back(report);
    }
    state_->wake.notify_all();
    return true;
}

bool VirtualMouse::pressDpiButton(int level) {
    return pressButton([level](VirtualFirmware& f) { return f.setActiveLevel(level); });
}

bool VirtualMouse::pressPollingButton(uint8_t code) {
    return pressButton([code](VirtualFirmware& f) { return f.setPollingCode(code); });
}

void VirtualMouse::setBattery(uint8_t percent, uint8_t chargingState) {
    std::lock_guard lock(state_->mutex);
    MouseStatus status = state_->firmware.status();
    status.battery = percent;
    status.charging = chargingState;
    state_->firmware.setStatus(status);
}

void VirtualMouse::setSensorCode(uint8_t code) {
    std::lock_guard lock(state_->mutex);
    MouseStatus status = state_->firmware.status();
    status.sensorCode = code;
    state_->firmware.setStatus(status);
}

MouseConfig VirtualMouse::config() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.config();
}

void VirtualMouse::setConfig(const MouseConfig& config) {
    std::lock_guard lock(state_->mutex);
    state_->firmware.setConfig(config);
}

MouseStatus VirtualMouse::status() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.status();
}

std::vector<VirtualMouse::LogEntry> VirtualMouse::log() const {
    std::lock_guard lock(state_->mutex);
    return state_->log;
}

void VirtualMouse::clearLog() {
    std::lock_guard lock(state_->mutex);
    state_->log.clear();
}

std::vector<std::string> VirtualMouse::violations() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.violations();
}

void VirtualMouse::clearViolations() {
    std::lock_guard lock(state_->mutex);
    state_->firmware.clearViolations();
}

}  // namespace vexmo::hid
