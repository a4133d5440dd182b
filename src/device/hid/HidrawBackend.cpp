#include "device/hid/HidrawBackend.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "device/hid/ReportDescriptorParser.h"

namespace vexmo::hid {
namespace {

constexpr std::string_view kNodePrefix = "hidraw";
constexpr char kCollectionSeparator = '#';
// The kernel keeps descriptors up to 4096 bytes; anything much larger is not a descriptor.
constexpr std::streamsize kMaxDescriptorBytes = 65536;
// The ioctl encodes the length in 14 bits.
constexpr size_t kMaxIoctlLength = (1u << 14) - 1;

// The whole decimal text, no sign, no leading '+'; nullopt otherwise.
std::optional<unsigned> parseNumber(std::string_view text) {
    unsigned value = 0;
    if (text.empty() || text.size() > 9) return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<unsigned> nodeNumber(std::string_view name) {
    if (!name.starts_with(kNodePrefix)) return std::nullopt;
    return parseNumber(name.substr(kNodePrefix.size()));
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string data;
    if (!in) return data;
    data.resize(kMaxDescriptorBytes);
    in.read(data.data(), kMaxDescriptorBytes);
    data.resize(static_cast<size_t>(in.gcount()));
    return data;
}

struct HidId {
    uint16_t vendor = 0;
    uint16_t product = 0;
};

// "HID_ID=0003:0000248A:00005B2E": bus, vendor and product in hexadecimal.
HidId parseUevent(std::string_view text) {
    constexpr std::string_view kKey = "HID_ID=";
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.starts_with(kKey)) continue;
        line.remove_prefix(kKey.size());
        uint32_t fields[3] = {};
        for (uint32_t& field : fields) {
            const size_t colon = std::min(line.find(':'), line.size());
            const auto [p, ec] = std::from_chars(line.data(), line.data() + colon, field, 16);
            if (ec != std::errc() || p != line.data() + colon) return {};
            line.remove_prefix(std::min(colon + 1, line.size()));
        }
        return {static_cast<uint16_t>(fields[1]), static_cast<uint16_t>(fields[2])};
    }
    return {};
}

}  // namespace

HidrawBackend::HidrawBackend(std::string sysfsRoot, std::string devRoot)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)) {}

std::vector<InterfaceInfo> HidrawBackend::describeNode(unsigned node) const {
    const std::string name = std::string(kNodePrefix) + std::to_string(node);
    const std::filesystem::path device =
        std::filesystem::path(sysfsRoot_) / "class" / "hidraw" / name / "device";
    const HidId id = parseUevent(readFile(device / "uevent"));
    const std::string raw = readFile(device / "report_descriptor");
    const ReportDescriptor descriptor =
        ReportDescriptorParser::parse({reinterpret_cast<const uint8_t*>(raw.data()), raw.size()});

    const std::string nodePath = devRoot_ + "/" + name + kCollectionSeparator;
    std::vector<InterfaceInfo> interfaces;
    for (size_t i = 0; i < descriptor.collections.size(); ++i) {
        interfaces.push_back(interfaceFor(descriptor.collections[i], nodePath + std::to_string(i),
                                          id.vendor, id.product));
    }
    if (interfaces.empty()) {
        // An unreadable node keeps its place in the list, with no reports of its own.
        interfaces.push_back(interfaceFor({}, nodePath + "0", id.vendor, id.product));
    }
    return interfaces;
}

std::vector<InterfaceInfo> HidrawBackend::enumerate() {
    std::vector<unsigned> nodes;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(
             std::filesystem::path(sysfsRoot_) / "class" / "hidraw", ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (auto n = nodeNumber(it->path().filename().string())) nodes.push_back(*n);
    }
    std::sort(nodes.begin(), nodes.end());

    std::vector<InterfaceInfo> interfaces;
    for (unsigned node : nodes) {
        std::vector<InterfaceInfo> part = describeNode(node);
        std::move(part.begin(), part.end(), std::back_inserter(interfaces));
    }
    return interfaces;
}

std::unique_ptr<Device> HidrawBackend::open(const std::string& path) {
    const std::string prefix = devRoot_ + "/" + std::string(kNodePrefix);
    if (!path.starts_with(prefix)) return nullptr;
    const std::string_view rest = std::string_view(path).substr(prefix.size());
    const size_t separator = rest.find(kCollectionSeparator);
    if (separator == std::string_view::npos) return nullptr;
    const auto node = parseNumber(rest.substr(0, separator));
    const auto collection = parseNumber(rest.substr(separator + 1));
    if (!node || !collection) return nullptr;

    std::vector<InterfaceInfo> interfaces = describeNode(*node);
    if (*collection >= interfaces.size() || interfaces[*collection].path != path) return nullptr;

    const std::string nodePath = prefix + std::to_string(*node);
    const int fd = ::open(nodePath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return HidrawDevice::adopt(fd, std::move(interfaces[*collection]));
}

std::unique_ptr<HidrawDevice> HidrawDevice::adopt(int fd, InterfaceInfo info) {
    const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<HidrawDevice>(new HidrawDevice(fd, wakeFd, std::move(info)));
}

HidrawDevice::HidrawDevice(int fd, int wakeFd, InterfaceInfo info)
    : fd_(fd), wakeFd_(wakeFd), info_(std::move(info)) {}

HidrawDevice::~HidrawDevice() {
    ::close(fd_);
    ::close(wakeFd_);
}

bool HidrawDevice::setFeature(std::span<const uint8_t> report) {
    if (report.empty() || report.size() > kMaxIoctlLength) return false;
    // The ioctl takes a mutable buffer although it only reads it.
    std::vector<uint8_t> copy(report.begin(), report.end());
    int result;
    do {
        result = ::ioctl(fd_, HIDIOCSFEATURE(copy.size()), copy.data());
    } while (result < 0 && errno == EINTR);
    return result == static_cast<int>(copy.size());
}

bool HidrawDevice::getFeature(std::span<uint8_t> report) {
    if (report.empty() || report.size() > kMaxIoctlLength) return false;
    int result;
    do {
        result = ::ioctl(fd_, HIDIOCGFEATURE(report.size()), report.data());
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

int HidrawDevice::readInput(std::span<uint8_t> buffer) {
    if (buffer.empty()) return -1;
    for (;;) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, -1);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (fds[1].revents != 0) return -1;
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return -1;
        if (!(fds[0].revents & POLLIN)) continue;
        const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
        if (n > 0) return static_cast<int>(n);
        if (n == 0) return -1;  // end of file: the node is gone
        if (errno == EINTR || errno == EAGAIN) continue;
        return -1;  // ENODEV, EIO: the device was removed; anything else ends the reader too
    }
}

void HidrawDevice::interrupt() {
    const uint64_t one = 1;
    // Cannot fail short of overflowing the counter, which would still leave it readable.
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

}  // namespace vexmo::hid
