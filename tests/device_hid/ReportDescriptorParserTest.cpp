#include "device/hid/ReportDescriptorParser.h"

#include <gtest/gtest.h>

#include <memory>

#include "HidTestSupport.h"

namespace vexmo::hid {
namespace {

using test::loadDescriptor;
using Bytes = std::vector<uint8_t>;

struct DescriptorCase {
    const char* file;
    std::vector<TopLevelCollection> collections;  // page, usage, input, output, feature
};

class RealDescriptors : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(RealDescriptors, GiveEachTopLevelCollectionWithItsLongestReports) {
    const ReportDescriptor parsed = ReportDescriptorParser::parse(loadDescriptor(GetParam().file));
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.collections, GetParam().collections);
}

INSTANTIATE_TEST_SUITE_P(
    HidParser, RealDescriptors,
    ::testing::Values(
        // No report ids: the lengths still count one byte for the id.
        DescriptorCase{"boot_mouse.hex", {{0x01, 0x02, 4, 0, 0}}},
        DescriptorCase{"keyboard_consumer.hex", {{0x01, 0x06, 9, 2, 0}, {0x0C, 0x01, 3, 0, 0}}},
        DescriptorCase{"vendor_combined.hex", {{0xFF00, 0x01, 33, 0, 33}}},
        DescriptorCase{"vendor_split.hex", {{0xFF00, 0x01, 33, 0, 0}, {0xFF00, 0x02, 0, 0, 33}}},
        // Pop restores the 16-bit size for the pan; the extended usage brings its own page.
        DescriptorCase{"gaming_mouse.hex", {{0x01, 0x02, 9, 0, 0}, {0x0C, 0x01, 5, 0, 8}}}),
    [](const auto& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

struct SmallCase {
    const char* name;
    Bytes descriptor;
    std::vector<TopLevelCollection> collections;
};

class SmallDescriptors : public ::testing::TestWithParam<SmallCase> {};

TEST_P(SmallDescriptors, AreMeasuredAsWindowsDoes) {
    const ReportDescriptor parsed = ReportDescriptorParser::parse(GetParam().descriptor);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.collections, GetParam().collections);
}

INSTANTIATE_TEST_SUITE_P(
    HidParser, SmallDescriptors,
    ::testing::Values(
        // 3 bits round up to one byte, plus the id byte.
        SmallCase{
            "PartialByteRoundsUp",
            {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0xC0},
            {{0xFF00, 0x01, 2, 0, 0}}},
        // Reports 1 (1 byte) and 2 (10 bytes) of one kind: the longest counts.
        SmallCase{"LongestReportIdWins",
                  {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01, 0x75, 0x08,
                   0x95, 0x01, 0xB1, 0x02, 0x85, 0x02, 0x95, 0x0A, 0xB1, 0x02, 0xC0},
                  {{0xFF00, 0x01, 0, 0, 11}}},
        // Items of one report id add up across nested collections.
        SmallCase{"NestedCollectionsAddUp",
                  {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x02, 0xA1, 0x00,
                   0x81, 0x02, 0xA1, 0x02, 0x81, 0x02, 0xC0, 0xC0, 0x91, 0x02, 0xC0},
                  {{0x01, 0x02, 5, 3, 0}}},
        // The report id is global: it carries into the next collection; the usage is local and
        // does not.
        SmallCase{"ReportIdCarriesUsageDoesNot",
                  {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x07, 0x75, 0x08, 0x95,
                   0x04, 0x09, 0x05, 0x81, 0x02, 0xC0, 0xA1, 0x01, 0x81, 0x02, 0xC0},
                  {{0xFF00, 0x01, 5, 0, 0}, {0xFF00, 0x00, 5, 0, 0}}},
        // Two-byte report size and count (little-endian) and trailing zero bytes.
        SmallCase{"WideValuesAndTrailingZeros",
                  {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x76, 0x00, 0x01, 0x96, 0x02, 0x00,
                   0x81, 0x02, 0xC0, 0x00, 0x00},
                  {{0xFF00, 0x01, 65, 0, 0}}},
        // Pop brings back the size and count of the Push, not the ones set in between.
        SmallCase{"PopRestoresPushedState",
                  {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x02,
                   0xA4, 0x75, 0x10, 0x95, 0x08, 0xB1, 0x02, 0xB4, 0x81, 0x02, 0xC0},
                  {{0xFF00, 0x01, 3, 0, 17}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MalformedCase {
    const char* name;
    Bytes descriptor;
    const char* error;
};

class MalformedDescriptors : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptors, AreRejectedWithAnError) {
    // An exact-size heap copy lets the address sanitizer catch any read past the end.
    const Bytes& d = GetParam().descriptor;
    const auto copy = std::make_unique<uint8_t[]>(d.size());
    std::copy(d.begin(), d.end(), copy.get());
    const ReportDescriptor parsed = ReportDescriptorParser::parse({copy.get(), d.size()});
    EXPECT_FALSE(parsed.ok());
    EXPECT_TRUE(parsed.collections.empty());
    EXPECT_NE(parsed.error.find(GetParam().error), std::string::npos) << parsed.error;
}

Bytes deepPushes() {
    Bytes d = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01};
    d.insert(d.end(), 65, 0xA4);
    d.push_back(0xC0);
    return d;
}

Bytes manyLongInputs() {
    Bytes d = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x76, 0x00, 0x80, 0x95, 0x01};
    for (int i = 0; i < 17; ++i)
        d.insert(d.end(), {0x81, 0x02});
    d.push_back(0xC0);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    HidParser, MalformedDescriptors,
    ::testing::Values(
        MalformedCase{"EmptyDescriptor", {}, "no top-level collection"},
        MalformedCase{"OneByteItemWithoutData", {0x05}, "runs past the end"},
        MalformedCase{"FourByteItemCut",
                      {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x27, 0xFF, 0xFF},
                      "runs past the end"},
        MalformedCase{"LongItemHeaderCut", {0xFE, 0x05}, "long item header"},
        MalformedCase{"LongItemDataCut", {0xFE, 0x05, 0x10, 0x01, 0x02}, "long item data"},
        MalformedCase{"PopWithoutPush",
                      {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xB4, 0xC0},
                      "Pop without a Push"},
        MalformedCase{"PushTooDeep", deepPushes(), "Push nested too deeply"},
        MalformedCase{"EndWithoutCollection", {0x05, 0x01, 0xC0}, "End Collection without"},
        MalformedCase{"UnclosedCollection",
                      {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xA1, 0x00, 0xC0},
                      "not closed"},
        MalformedCase{
            "InputOutsideCollection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, "outside a collection"},
        MalformedCase{
            "ReportIdZero", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x00, 0xC0}, "report id"},
        MalformedCase{"ReportId256",
                      {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x86, 0x00, 0x01, 0xC0},
                      "report id"},
        MalformedCase{"SizeTimesCountTooLong",
                      {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF,
                       0xFF, 0xFF, 0xFF, 0x81, 0x02, 0xC0},
                      "report too long"},
        MalformedCase{"SumTooLong", manyLongInputs(), "report too long"}),
    [](const auto& info) { return std::string(info.param.name); });

// Cutting a real descriptor anywhere never reads past the cut: the result is an error or fewer
// collections than the whole descriptor has.
TEST(HidParser, EveryTruncationOfARealDescriptorIsSafe) {
    for (const char* file : {"gaming_mouse.hex", "keyboard_consumer.hex", "vendor_split.hex"}) {
        const Bytes whole = loadDescriptor(file);
        const size_t full = ReportDescriptorParser::parse(whole).collections.size();
        for (size_t n = 0; n < whole.size(); ++n) {
            const auto copy = std::make_unique<uint8_t[]>(n);
            std::copy_n(whole.begin(), n, copy.get());
            const ReportDescriptor parsed = ReportDescriptorParser::parse({copy.get(), n});
            EXPECT_TRUE(!parsed.ok() || parsed.collections.size() < full)
                << file << " cut at " << n;
        }
    }
}

TEST(HidParser, InterfaceForCopiesTheCollection) {
    const InterfaceInfo info =
        interfaceFor({0xFF00, 0x02, 0, 0, 33}, "/dev/hidraw2#1", 0x248A, 0x5B2E);
    EXPECT_EQ(info.path, "/dev/hidraw2#1");
    EXPECT_EQ(info.vendor, 0x248A);
    EXPECT_EQ(info.product, 0x5B2E);
    EXPECT_EQ(info.usagePage, 0xFF00);
    EXPECT_EQ(info.usage, 0x02);
    EXPECT_EQ(info.inputReportLength, 0);
    EXPECT_EQ(info.featureReportLength, 33);
}

}  // namespace
}  // namespace vexmo::hid
