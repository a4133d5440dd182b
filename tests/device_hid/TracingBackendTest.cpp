#include "device/hid/TracingBackend.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <thread>

#include "HidTestSupport.h"
#include "device/hid/VirtualMouse.h"

namespace vexmo::hid {
namespace {

std::vector<std::string> lines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

class TracingBackendTest : public ::testing::Test {
protected:
    std::unique_ptr<Device> openWhere(HidBackend& backend, uint16_t product, bool feature) {
        for (const InterfaceInfo& i : backend.enumerate()) {
            if (i.product == product &&
                (feature ? i.featureReportLength : i.inputReportLength) == 33) {
                return backend.open(i.path);
            }
        }
        return nullptr;
    }

    test::TempDir dir;
    std::filesystem::path file = dir.path() / "trace.txt";
    ManualClock clock;
    VirtualMouse mouse{clock};
};

TEST_F(TracingBackendTest, WritesOneLinePerReportExchanged) {
    clock.advance(500);  // the trace counts from its own start
    std::ofstream(file) << "earlier line\n";
    TracingBackend backend(mouse, file.string(), clock);
    ASSERT_TRUE(backend.tracing());
    EXPECT_EQ(backend.enumerate().size(), mouse.enumerate().size());
    const auto feature = openWhere(backend, 0x5B2E, true);
    const auto input = openWhere(backend, 0x5B2E, false);
    ASSERT_NE(feature, nullptr);
    ASSERT_NE(input, nullptr);

    clock.advance(1204);
    std::array<uint8_t, 33> report{0x0C, 0x01, 0x07, 0x00, 0x05, 0x01, 0x01, 0x02};
    ASSERT_TRUE(feature->setFeature(report));
    clock.advance(10);
    std::array<uint8_t, 33> reply{0x0C};
    ASSERT_TRUE(feature->getFeature(reply));
    ASSERT_TRUE(mouse.pressDpiButton(2));
    clock.advance(1);
    std::vector<uint8_t> buffer(33);
    ASSERT_EQ(input->readInput(buffer), 33);
    mouse.unplug(0x5B2E);
    EXPECT_FALSE(feature->setFeature(report));  // failed transfers leave no line

    const std::string zeros24 = [] {
        std::string s;
        for (int i = 0; i < 24; ++i)
            s += " 00";
        return s;
    }();
    EXPECT_EQ(lines(file), (std::vector<std::string>{
                               "earlier line",
                               "1204 set 5b2e 0c 01 07 00 05 01 01 02 00" + zeros24,
                               "1214 get 5b2e 0c" + zeros24 + " 00 00 00 00 00 00 00 00",
                               "1215 in 5b2e 05 06 00 02 02 00 00 00 00" + zeros24,
                           }));
}

TEST_F(TracingBackendTest, LinesFromSeveralThreadsStayWhole) {
    TracingBackend backend(mouse, file.string(), clock);
    const auto feature = openWhere(backend, 0x5B2F, true);
    const auto input = openWhere(backend, 0x5B2E, false);
    constexpr int kCount = 50;
    std::thread reader([&] {
        std::vector<uint8_t> buffer(33);
        for (int i = 0; i < kCount && input->readInput(buffer) > 0; ++i) {
        }
    });
    std::array<uint8_t, 33> report{0x0C, 0x01, 0x0A, 0x00, 0x00, 0x01, 0x01, 12};
    for (int i = 0; i < kCount; ++i) {
        ASSERT_TRUE(feature->setFeature(report));
        ASSERT_TRUE(mouse.pressDpiButton(1));
    }
    reader.join();
    const std::regex shape("0 (set 5b2f 0c|in 5b2e 05)( [0-9a-f]{2}){32}");
    const std::vector<std::string> all = lines(file);
    ASSERT_EQ(all.size(), 2u * kCount);
    for (const std::string& line : all)
        EXPECT_TRUE(std::regex_match(line, shape)) << line;
}

TEST_F(TracingBackendTest, UnwritableFileStillPassesReports) {
    TracingBackend backend(std::make_unique<VirtualMouse>(clock),
                           (dir.path() / "missing" / "trace.txt").string(), clock);
    EXPECT_FALSE(backend.tracing());
    const auto feature = openWhere(backend, 0x5B2E, true);
    std::array<uint8_t, 33> report{0x0C, 0x01, 0x07, 0x00, 0x05, 0x01, 0x01, 0x02};
    EXPECT_TRUE(feature->setFeature(report));
    EXPECT_EQ(backend.open("no such path"), nullptr);
}

TEST(ReportTrace, FormatsTimeDirectionProductAndBytes) {
    const uint8_t bytes[] = {0x0C, 0xAB, 0x00};
    EXPECT_EQ(formatTraceLine(7, ReportDirection::Get, 0x5B2F, bytes), "7 get 5b2f 0c ab 00");
    EXPECT_EQ(formatTraceLine(123456789012, ReportDirection::In, 0x000A, {}),
              "123456789012 in 000a");
}

}  // namespace
}  // namespace vexmo::hid
