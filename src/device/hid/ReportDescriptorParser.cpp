#include "device/hid/ReportDescriptorParser.h"

#include <array>
#include <cstdio>
#include <optional>

namespace vexmo::hid {
namespace {

// Lengths are 16-bit including the report id byte.
constexpr uint64_t kMaxReportBits = uint64_t{0xFFFF - 1} * 8;
constexpr size_t kMaxPushDepth = 64;
constexpr uint8_t kLongItemPrefix = 0xFE;

enum ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };

enum MainTag : uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC
};

enum GlobalTag : uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};

constexpr uint8_t kLocalUsage = 0x0;

struct GlobalState {
    uint32_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

class Parser {
public:
    explicit Parser(std::span<const uint8_t> d) : d_(d) {}

    ReportDescriptor run() {
        ReportDescriptor result;
        while (error_.empty() && pos_ < d_.size())
            step();
        if (error_.empty() && depth_ != 0) error_ = "a collection is not closed";
        if (error_.empty() && collections_.empty()) error_ = "no top-level collection";
        if (error_.empty()) {
            result.collections = std::move(collections_);
        } else {
            result.error = std::move(error_);
        }
        return result;
    }

private:
    // Bits per report id of one kind within the current top-level collection; nullopt: none.
    using ReportBits = std::array<std::optional<uint64_t>, 256>;

    void fail(const char* what) {
        char text[96];
        std::snprintf(text, sizeof text, "%s (item at offset %zu)", what, itemStart_);
        error_ = text;
    }

    void step() {
        itemStart_ = pos_;
        const uint8_t prefix = d_[pos_];
        if (prefix == kLongItemPrefix) {
            // No long items are defined; skip them, but only within the buffer.
            if (d_.size() - pos_ < 3) return fail("long item header runs past the end");
            const size_t size = d_[pos_ + 1];
            if (d_.size() - pos_ - 3 < size) return fail("long item data runs past the end");
            pos_ += 3 + size;
            return;
        }
        const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (d_.size() - pos_ - 1 < size) return fail("item data runs past the end");
        uint32_t value = 0;
        for (size_t i = 0; i < size; ++i)
            value |= uint32_t{d_[pos_ + 1 + i]} << (8 * i);
        pos_ += 1 + size;

        const uint8_t tag = prefix >> 4;
        switch ((prefix >> 2) & 3) {
            case kMain:
                return mainItem(tag);
            case kGlobal:
                return globalItem(tag, value);
            case kLocal:
                if (tag == kLocalUsage && !firstUsage_) firstUsage_ = Usage{value, size};
                return;
            default:
                return;  // reserved item type: nothing to record
        }
    }

    void mainItem(uint8_t tag) {
        switch (tag) {
            case kInput:
                addBits(input_);
                break;
            case kOutput:
                addBits(output_);
                break;
            case kFeature:
                addBits(feature_);
                break;
            case kCollection:
                if (depth_ == 0) openTopLevel();
                ++depth_;
                break;
            case kEndCollection:
                if (depth_ == 0) return fail("End Collection without a Collection");
                if (--depth_ == 0) closeTopLevel();
                break;
            default:
                break;  // unknown main items carry no report data
        }
        firstUsage_.reset();  // local items last until the next main item
    }

    void globalItem(uint8_t tag, uint32_t value) {
        switch (tag) {
            case kUsagePage:
                g_.usagePage = value & 0xFFFF;
                break;
            case kReportSize:
                g_.reportSize = value;
                break;
            case kReportCount:
                g_.reportCount = value;
                break;
            case kReportId:
                if (value == 0 || value > 255) return fail("report id outside 1..255");
                g_.reportId = static_cast<uint8_t>(value);
                break;
            case kPush:
                if (stack_.size() >= kMaxPushDepth) return fail("Push nested too deeply");
                stack_.push_back(g_);
                break;
            case kPop:
                if (stack_.empty()) return fail("Pop without a Push");
                g_ = stack_.back();
                stack_.pop_back();
                break;
            default:
                break;  // units, logical and physical ranges do not change the lengths
        }
    }

    void addBits(ReportBits& bits) {
        if (depth_ == 0) return fail("report item outside a collection");
        const uint64_t size = g_.reportSize;
        const uint64_t count = g_.reportCount;
        if (count != 0 && size > kMaxReportBits / count) return fail("report too long");
        std::optional<uint64_t>& total = bits[g_.reportId];
        const uint64_t sum = total.value_or(0) + size * count;
        if (sum > kMaxReportBits) return fail("report too long");
        total = sum;
    }

    void openTopLevel() {
        TopLevelCollection c;
        if (firstUsage_) {
            // A four-byte usage carries its own page in the high half.
            c.usagePage = firstUsage_->size == 4 ? static_cast<uint16_t>(firstUsage_->value >> 16)
                                                 : static_cast<uint16_t>(g_.usagePage);
            c.usage = static_cast<uint16_t>(firstUsage_->value);
        } else {
            c.usagePage = static_cast<uint16_t>(g_.usagePage);
        }
        collections_.push_back(c);
        input_.fill(std::nullopt);
        output_.fill(std::nullopt);
        feature_.fill(std::nullopt);
    }

    static uint16_t longest(const ReportBits& bits) {
        std::optional<uint64_t> most;
        for (const auto& b : bits) {
            if (b && (!most || *b > *most)) most = b;
        }
        return most ? static_cast<uint16_t>((*most + 7) / 8 + 1) : 0;
    }

    void closeTopLevel() {
        TopLevelCollection& c = collections_.back();
        c.inputReportLength = longest(input_);
        c.outputReportLength = longest(output_);
        c.featureReportLength = longest(feature_);
    }

    struct Usage {
        uint32_t value;
        size_t size;
    };

    std::span<const uint8_t> d_;
    size_t pos_ = 0;
    size_t itemStart_ = 0;
    std::string error_;
    GlobalState g_;
    std::vector<GlobalState> stack_;
    std::optional<Usage> firstUsage_;
    size_t depth_ = 0;
    ReportBits input_, output_, feature_;
    std::vector<TopLevelCollection> collections_;
};

}  // namespace

ReportDescriptor ReportDescriptorParser::parse(std::span<const uint8_t> descriptor) {
    return Parser(descriptor).run();
}

InterfaceInfo interfaceFor(const TopLevelCollection& collection, std::string path, uint16_t vendor,
                           uint16_t product) {
    InterfaceInfo info;
    info.path = std::move(path);
    info.vendor = vendor;
    info.product = product;
    info.inputReportLength = collection.inputReportLength;
    info.featureReportLength = collection.featureReportLength;
    info.outputReportLength = collection.outputReportLength;
    info.usagePage = collection.usagePage;
    info.usage = collection.usage;
    return info;
}

}  // namespace vexmo::hid
