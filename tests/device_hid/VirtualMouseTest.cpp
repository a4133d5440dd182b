#include "device/hid/VirtualMouse.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace vexmo::hid {
namespace {

using Report = std::array<uint8_t, 33>;
constexpr uint16_t kFirst = 0x5B2E;
constexpr uint16_t kSecond = 0x5B2F;

Report command(uint8_t cmd, std::vector<uint8_t> payload, int length = -1) {
    Report r{};
    r[0] = 0x0C;
    r[1] = 0x01;
    r[2] = cmd;
    r[4] = 0x2A;
    r[5] = cmd == 0x20 ? 0x00 : 0x01;
    r[6] = static_cast<uint8_t>(length < 0 ? payload.size() : length);
    std::copy(payload.begin(), payload.end(), r.begin() + 7);
    return r;
}

Report with(Report r, size_t index, uint8_t value) {
    r[index] = value;
    return r;
}

// The packets of command 0x0E that carry the steps of macro `number`.
std::vector<Report> macroPackets(uint8_t number, const std::vector<uint8_t>& steps) {
    const size_t count = std::max<size_t>(1, (steps.size() + 24) / 25);
    std::vector<Report> packets;
    for (size_t p = 0; p < count; ++p) {
        const size_t from = 25 * p;
        const size_t chunk = std::min<size_t>(25, steps.size() - std::min(from, steps.size()));
        std::vector<uint8_t> payload = {number};
        payload.insert(payload.end(), steps.begin() + from, steps.begin() + from + chunk);
        Report r = command(0x0E, payload, static_cast<int>(chunk + 1));
        r[5] = static_cast<uint8_t>(p << 4 | (count & 0x0F));
        packets.push_back(r);
    }
    return packets;
}

std::vector<uint8_t> steps(size_t count) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), {static_cast<uint8_t>(0x30 | (i & 1) << 7), 0x32, 0x04});
    }
    return bytes;
}

class VirtualMouseTest : public ::testing::Test {
protected:
    std::unique_ptr<Device> openWhere(uint16_t product,
                                      const std::function<bool(const InterfaceInfo&)>& pick) {
        for (const InterfaceInfo& i : mouse.enumerate()) {
            if (i.product == product && pick(i)) return mouse.open(i.path);
        }
        return nullptr;
    }
    std::unique_ptr<Device> openFeature(uint16_t product) {
        return openWhere(product,
                         [](const InterfaceInfo& i) { return i.featureReportLength == 33; });
    }
    std::unique_ptr<Device> openInput(uint16_t product) {
        return openWhere(product, [](const InterfaceInfo& i) { return i.inputReportLength == 33; });
    }
    bool send(Device& device, const Report& r) { return device.setFeature(r); }

    ManualClock clock;
    VirtualMouse mouse{clock};
};

TEST_F(VirtualMouseTest, EachProductHasOneInputAndOneFeatureInterfaceOf33Bytes) {
    const std::vector<InterfaceInfo> list = mouse.enumerate();
    for (uint16_t product : {kFirst, kSecond}) {
        SCOPED_TRACE(product);
        int inputs = 0, features = 0, others = 0;
        int inputAt = -1, featureAt = -1;
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i].product != product) continue;
            EXPECT_EQ(list[i].vendor, VirtualMouse::kVendor);
            if (list[i].inputReportLength == 33) {
                ++inputs;
                inputAt = static_cast<int>(i);
                EXPECT_EQ(list[i].featureReportLength, 0);
            } else if (list[i].featureReportLength == 33) {
                ++features;
                featureAt = static_cast<int>(i);
            } else {
                ++others;
            }
        }
        EXPECT_EQ(inputs, 1);
        EXPECT_EQ(features, 1);
        EXPECT_GE(others, 3);
        // The second product lists its feature collection first.
        EXPECT_EQ(featureAt < inputAt, product == kSecond);
    }
}

TEST_F(VirtualMouseTest, PaddingPlacesTheInterfacesAtChosenPositions) {
    const std::vector<InterfaceInfo> plain = mouse.enumerate();
    const auto isFeature = [](const InterfaceInfo& i) {
        return i.product == kSecond && i.featureReportLength == 33;
    };
    const size_t at = std::find_if(plain.begin(), plain.end(), isFeature) - plain.begin();
    mouse.setPadding(kSecond, 150 - at);
    const std::vector<InterfaceInfo> padded = mouse.enumerate();
    ASSERT_GT(padded.size(), 150u);
    EXPECT_TRUE(isFeature(padded[150]));
    // The padding sits right before the product's first interface.
    const size_t first = std::find_if(padded.begin(), padded.end(),
                                      [](const InterfaceInfo& i) { return i.product == kSecond; }) -
                         padded.begin();
    EXPECT_NE(padded[first - 1].vendor, VirtualMouse::kVendor);
    EXPECT_NE(mouse.open(padded[first - 1].path), nullptr);
    EXPECT_EQ(std::count_if(padded.begin(), padded.end(), isFeature), 1);
}

struct ValidCase {
    const char* name;
    Report report;
    std::function<void(MouseConfig&)> change;
};

class ValidCommands : public VirtualMouseTest, public ::testing::WithParamInterface<ValidCase> {};

TEST_P(ValidCommands, AreAppliedWithoutViolations) {
    const auto device = openFeature(kFirst);
    ASSERT_TRUE(send(*device, GetParam().report));
    MouseConfig expected = MouseConfig::factory();
    GetParam().change(expected);
    EXPECT_EQ(mouse.config(), expected);
    EXPECT_EQ(mouse.violations(), std::vector<std::string>{});
}

const std::vector<uint8_t> kDpi = {0x36, 0x3F, 1,    0, 2, 0, 3, 0, 4,
                                   0,    0x2C, 0x01, 0, 0, 0, 0, 0, 0};
const std::vector<uint8_t> kColours = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                       13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
std::vector<uint8_t> lightingMode2() {
    std::vector<uint8_t> p = {2, 0x22, 6};
    for (uint8_t i = 0; i < 18; ++i)
        p.push_back(i);
    return p;
}

INSTANTIATE_TEST_SUITE_P(
    VirtualMouse, ValidCommands,
    ::testing::Values(
        ValidCase{"Button", command(0x04, {3, 0x90, 0x21, 0x05}),
                  [](MouseConfig& c) { c.buttons[3] = {0x90, 0x21, 0x05}; }},
        ValidCase{"Dpi", command(0x05, kDpi),
                  [](MouseConfig& c) { std::copy(kDpi.begin(), kDpi.end(), c.dpi.begin()); }},
        ValidCase{"DpiAllEightLevels",
                  command(0x05, {0x88, 0xFF, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0}, 18),
                  [](MouseConfig& c) {
                      c.dpi = {0x88, 0xFF, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 0, 0, 0, 0};
                  }},
        ValidCase{"Colours", command(0x06, kColours),
                  [](MouseConfig& c) {
                      std::copy(kColours.begin(), kColours.end(), c.dpiColours.begin());
                  }},
        ValidCase{"Polling", command(0x07, {2}), [](MouseConfig& c) { c.pollingCode = 2; }},
        ValidCase{"LightingMode2", command(0x08, lightingMode2()),
                  [](MouseConfig& c) { c.lighting = lightingMode2(); }},
        ValidCase{"LightingMode0", command(0x08, {0, 0x22}),
                  [](MouseConfig& c) { c.lighting = {0, 0x22}; }},
        ValidCase{"LightingMode7", command(0x08, {7, 0x13, 0, 255, 0, 0x6A, 0, 0xFA}),
                  [](MouseConfig& c) { c.lighting = {7, 0x13, 0, 255, 0, 0x6A, 0, 0xFA}; }},
        ValidCase{"LightingModeWithoutPayload", command(0x08, {12, 0x22}, 0),
                  [](MouseConfig& c) { c.lighting.clear(); }},
        ValidCase{"Lift", command(0x09, {1, 0}), [](MouseConfig& c) { c.liftCode = 1; }},
        ValidCase{"Debounce", command(0x0A, {13}), [](MouseConfig& c) { c.debounce = 13; }},
        ValidCase{"Power", command(0x0B, {10, 1}),
                  [](MouseConfig& c) {
                      c.powerDownTime = 10;
                      c.moveLighting = 1;
                  }},
        ValidCase{"MotionWakeup", command(0x0C, {2}), [](MouseConfig& c) { c.motionWakeup = 2; }},
        ValidCase{"StatusQueryChangesNothing", command(0x20, {}), [](MouseConfig&) {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct InvalidCase {
    const char* name;
    Report report;
    const char* fault;
};

class InvalidCommands : public VirtualMouseTest,
                        public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidCommands, AreRecordedAndNotApplied) {
    const auto device = openFeature(kFirst);
    send(*device, GetParam().report);
    EXPECT_EQ(mouse.config(), MouseConfig::factory());
    const std::vector<std::string> v = mouse.violations();
    ASSERT_EQ(v.size(), 1u) << (v.empty() ? "" : v[0]);
    EXPECT_NE(v[0].find(GetParam().fault), std::string::npos) << v[0];
    EXPECT_EQ(v[0].rfind("5b2e", 0), 0u) << v[0];
}

INSTANTIATE_TEST_SUITE_P(
    VirtualMouse, InvalidCommands,
    ::testing::Values(
        InvalidCase{"Byte1", with(command(0x07, {2}), 1, 0x02), "byte 1 is 0x02"},
        InvalidCase{"Byte1ZeroOutsideRestore", with(command(0x07, {2}), 1, 0x00), "byte 1"},
        InvalidCase{"Byte3", with(command(0x07, {2}), 3, 0x01), "byte 3 is 0x01"},
        InvalidCase{"Byte5", with(command(0x07, {2}), 5, 0x00), "byte 5 is 0x00"},
        InvalidCase{"UnknownCommand", command(0x11, {1}), "unknown command"},
        InvalidCase{"ButtonLength", command(0x04, {3, 0x10, 0x01}), "length byte 3, expected 4"},
        InvalidCase{"ButtonNumber", command(0x04, {6, 0x10, 0x01, 0x00}), "device button 6"},
        InvalidCase{"DpiLevelAboveCount",
                    command(0x05, {0x76, 0x3F, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0}, 18),
                    "active level 7 outside the 6"},
        InvalidCase{"DpiLevelZero", command(0x05, {0x06, 0x3F, 1, 0}, 18), "active level 0"},
        InvalidCase{"DpiCountNotMask", command(0x05, {0x15, 0x3F, 1, 0}, 18),
                    "5 enabled levels but mask 0x3f"},
        InvalidCase{"DpiLevelsSixAndSeven",
                    command(0x05, {0x16, 0x3F, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0}, 18),
                    "levels 6 and 7"},
        InvalidCase{"ColoursLength", command(0x06, kColours, 0x12), "length byte 18"},
        InvalidCase{"PollingCode", command(0x07, {3}), "polling code 3"},
        InvalidCase{"LightingLengthForMode", command(0x08, {1, 0x22, 1}, 2),
                    "length byte 2, expected 3"},
        InvalidCase{"LightingColourCount", command(0x08, {2, 0x22, 8}), "mode 2 with 8 colours"},
        InvalidCase{"LightingStrayByte", with(command(0x08, {0, 0x22}), 12, 0x55),
                    "byte 12 past the payload"},
        InvalidCase{"LiftCode", command(0x09, {3, 0}), "lift-off code 3"},
        InvalidCase{"LiftSecondByte", command(0x09, {1, 1}), "byte 8 is 0x01"},
        InvalidCase{"DebounceStrayByte", command(0x0A, {12, 7}, 1), "byte 8 past the payload"},
        InvalidCase{"StatusWithPayload", command(0x20, {}, 1), "length byte 1, expected 0"},
        InvalidCase{"RestoreThroughFirstProduct", command(0x0F, {0xFF}),
                    "sent through product 5b2e"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VirtualMouseTest, TransfersOfTheWrongShapeOrPlaceFail) {
    const auto feature = openFeature(kFirst);
    const auto input = openInput(kFirst);
    Report report = command(0x07, {2});
    EXPECT_FALSE(feature->setFeature(std::span(report).first(32)));
    EXPECT_FALSE(feature->setFeature(with(report, 0, 0x0B)));
    EXPECT_FALSE(input->setFeature(report));
    Report reply{};
    reply[0] = 0x0C;
    EXPECT_FALSE(input->getFeature(reply));
    EXPECT_FALSE(feature->getFeature(std::span(reply).first(20)));
    EXPECT_EQ(mouse.violations().size(), 5u);
    EXPECT_EQ(mouse.config(), MouseConfig::factory());
    EXPECT_TRUE(mouse.log().empty());
}

TEST_F(VirtualMouseTest, MacroPacketsAreReassembled) {
    const auto device = openFeature(kFirst);
    const std::vector<Report> packets = macroPackets(1, steps(10));
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0][5], 0x02);
    EXPECT_EQ(packets[1][5], 0x12);
    EXPECT_EQ(packets[0][6], 26);
    EXPECT_EQ(packets[1][6], 6);
    for (const Report& p : packets)
        ASSERT_TRUE(send(*device, p));
    for (const Report& p : macroPackets(2, {}))
        ASSERT_TRUE(send(*device, p));
    for (const Report& p : macroPackets(3, steps(50)))
        ASSERT_TRUE(send(*device, p));

    EXPECT_EQ(mouse.violations(), std::vector<std::string>{});
    const MouseConfig config = mouse.config();
    ASSERT_EQ(config.macros.size(), 3u);
    EXPECT_EQ(config.macros.at(1), steps(10));
    EXPECT_EQ(config.macros.at(2), std::vector<uint8_t>{});
    EXPECT_EQ(config.macros.at(3), steps(50));
}

struct MacroFault {
    const char* name;
    std::function<std::vector<Report>()> packets;
    const char* fault;
};

class MacroFaults : public VirtualMouseTest, public ::testing::WithParamInterface<MacroFault> {};

TEST_P(MacroFaults, AreRecordedAndTheMacroIsNotStored) {
    const auto device = openFeature(kFirst);
    for (const Report& p : GetParam().packets())
        send(*device, p);
    const std::vector<std::string> v = mouse.violations();
    ASSERT_FALSE(v.empty());
    EXPECT_NE(v[0].find(GetParam().fault), std::string::npos) << v[0];
    EXPECT_TRUE(mouse.config().macros.empty());
}

INSTANTIATE_TEST_SUITE_P(VirtualMouse, MacroFaults,
                         ::testing::Values(MacroFault{"OutOfOrder",
                                                      [] {
                                                          auto p = macroPackets(1, steps(20));
                                                          std::swap(p[0], p[1]);
                                                          return p;
                                                      },
                                                      "macro 1 packet 1 of 3 out of order"},
                                           MacroFault{"RestartedBeforeTheEnd",
                                                      [] {
                                                          auto p = macroPackets(1, steps(20));
                                                          p.back() = p.front();
                                                          return p;
                                                      },
                                                      "macro 1 abandoned after 2 of 3 packets"},
                                           MacroFault{"OtherMacroMidway",
                                                      [] {
                                                          auto p = macroPackets(1, steps(20));
                                                          p[1] = with(p[1], 7, 2);
                                                          return p;
                                                      },
                                                      "macro 2 packet 1 of 3 out of order"},
                                           MacroFault{"CountTooHigh",
                                                      [] {
                                                          auto p = macroPackets(
                                                              1, steps(25));  // 75 bytes: 3 packets
                                                          p.push_back(command(0x0E, {1}, 1));
                                                          for (size_t i = 0; i < p.size(); ++i)
                                                              p[i][5] = (i << 4) | 4;
                                                          return p;
                                                      },
                                                      "4 packets for 75 step bytes, expected 3"},
                                           MacroFault{"PartialStep",
                                                      [] {
                                                          auto p = macroPackets(1, steps(10));
                                                          p[1][6] = 7;
                                                          p[1][7 + 6] = 0x11;
                                                          return p;
                                                      },
                                                      "31 step bytes"},
                                           MacroFault{"ShortMiddlePacket",
                                                      [] {
                                                          auto p = macroPackets(1, steps(20));
                                                          p[0][6] = 25;
                                                          p[0][7 + 25] = 0;
                                                          return p;
                                                      },
                                                      "packet 0 of 3 carries 24 bytes"},
                                           MacroFault{"MacroNumber",
                                                      [] { return macroPackets(7, steps(1)); },
                                                      "macro number 7"},
                                           MacroFault{"PacketByte",
                                                      [] {
                                                          auto p = macroPackets(1, steps(1));
                                                          p[0][5] = 0x11;
                                                          return p;
                                                      },
                                                      "packet byte 0x11"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VirtualMouseTest, UnplugDropsAnUnfinishedMacroQuietly) {
    auto device = openFeature(kFirst);
    send(*device, macroPackets(1, steps(20))[0]);
    mouse.unplug(kFirst);
    mouse.plug(kFirst);
    device = openFeature(kFirst);
    for (const Report& p : macroPackets(1, steps(2)))
        send(*device, p);
    EXPECT_EQ(mouse.violations(), std::vector<std::string>{});
    EXPECT_EQ(mouse.config().macros.at(1), steps(2));
}

TEST_F(VirtualMouseTest, StatusQueryIsAnswered) {
    mouse.setSensorCode(0x60);
    mouse.setBattery(37, 2);
    const auto device = openFeature(kSecond);
    Report reply;
    reply.fill(0xFF);
    reply[0] = 0x0C;
    ASSERT_TRUE(device->getFeature(reply));
    EXPECT_EQ(reply[6], 0) << "no status without a query";

    ASSERT_TRUE(send(*device, command(0x20, {})));
    reply.fill(0xFF);
    reply[0] = 0x0C;
    ASSERT_TRUE(device->getFeature(reply));
    EXPECT_EQ(reply[0], 0x0C);
    EXPECT_EQ(reply[2], 0x20);
    EXPECT_EQ(reply[3], 0x00);
    EXPECT_NE(reply[6], 0);
    EXPECT_EQ(reply[15], 0x60);
    EXPECT_EQ(reply[18], 37);
    EXPECT_EQ(reply[19], 2);

    // The query is answered through the product it was sent to only.
    const auto other = openFeature(kFirst);
    ASSERT_TRUE(other->getFeature(reply));
    EXPECT_EQ(reply[2], 0x00);
    EXPECT_EQ(mouse.violations(), std::vector<std::string>{});
}

TEST_F(VirtualMouseTest, RestoreBringsBackTheFactoryConfiguration) {
    const auto first = openFeature(kFirst);
    const auto second = openFeature(kSecond);
    send(*first, command(0x07, {8}));
    send(*first, command(0x04, {0, 0x90, 0x01, 0x00}));
    for (const Report& p : macroPackets(1, steps(3)))
        send(*first, p);
    ASSERT_NE(mouse.config(), MouseConfig::factory());

    send(*second, with(command(0x0F, {0xFF}), 1, 0x00));
    EXPECT_EQ(mouse.config(), MouseConfig::factory());
    EXPECT_EQ(mouse.violations(), std::vector<std::string>{});
}

TEST_F(VirtualMouseTest, LogKeepsEveryExchangeWithProductDirectionAndTime) {
    const auto feature = openFeature(kFirst);
    const auto input = openInput(kFirst);
    clock.advance(100);
    send(*feature, command(0x20, {}));
    clock.advance(10);
    Report reply{};
    reply[0] = 0x0C;
    feature->getFeature(reply);
    clock.advance(5);
    ASSERT_TRUE(mouse.pressDpiButton(3));

    const std::vector<VirtualMouse::LogEntry> log = mouse.log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].timeMs, 100);
    EXPECT_EQ(log[0].direction, ReportDirection::Set);
    const Report query = command(0x20, {});
    EXPECT_EQ(log[0].bytes, std::vector<uint8_t>(query.begin(), query.end()));
    EXPECT_EQ(log[1].timeMs, 110);
    EXPECT_EQ(log[1].direction, ReportDirection::Get);
    EXPECT_EQ(log[1].bytes[2], 0x20);
    EXPECT_EQ(log[2].timeMs, 115);
    EXPECT_EQ(log[2].direction, ReportDirection::In);
    for (const auto& entry : log)
        EXPECT_EQ(entry.product, kFirst);
    EXPECT_EQ(log[2].line().substr(0, 26), "115 in 5b2e 05 06 00 01 03");
    mouse.clearLog();
    EXPECT_TRUE(mouse.log().empty());
}

TEST_F(VirtualMouseTest, ButtonsOnTheMouseAnnounceTheirChange) {
    const auto input = openInput(kFirst);
    ASSERT_TRUE(mouse.pressDpiButton(4));
    ASSERT_TRUE(mouse.pressPollingButton(0x04));
    EXPECT_FALSE(mouse.pressDpiButton(7));  // six levels enabled
    EXPECT_FALSE(mouse.pressDpiButton(0));
    EXPECT_FALSE(mouse.pressPollingButton(3));

    std::vector<uint8_t> buffer(33, 0xFF);
    ASSERT_EQ(input->readInput(buffer), 33);
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 6),
              (std::vector<uint8_t>{0x05, 0x06, 0x00, 0x01, 0x04, 0x00}));
    EXPECT_TRUE(std::all_of(buffer.begin() + 5, buffer.end(), [](uint8_t b) { return b == 0; }));
    ASSERT_EQ(input->readInput(buffer), 33);
    EXPECT_EQ(buffer[3], 0x04);
    EXPECT_EQ(buffer[4], 0x04);
    EXPECT_EQ(mouse.config().activeLevel(), 4);
    EXPECT_EQ(mouse.config().pollingCode, 0x04);
}

TEST_F(VirtualMouseTest, ChangesGoThroughTheSecondProductWhenTheFirstIsAway) {
    mouse.unplug(kFirst);
    const auto input = openInput(kSecond);
    ASSERT_TRUE(mouse.pressDpiButton(2));
    std::vector<uint8_t> buffer(33);
    ASSERT_EQ(input->readInput(buffer), 33);
    EXPECT_EQ(buffer[4], 2);
    mouse.unplug(kSecond);
    EXPECT_FALSE(mouse.pressDpiButton(2));
}

TEST_F(VirtualMouseTest, UnplugWakesABlockedReaderAndFailsOpenDevices) {
    std::vector<std::pair<uint16_t, bool>> notices;
    mouse.setHotplugCallback([&](uint16_t p, bool arrived) { notices.emplace_back(p, arrived); });
    const auto input = openInput(kFirst);
    const auto feature = openFeature(kFirst);
    const auto otherFeature = openFeature(kSecond);
    int result = 0;
    std::thread reader([&] {
        std::vector<uint8_t> buffer(33);
        result = input->readInput(buffer);
    });
    mouse.unplug(kFirst);
    reader.join();
    EXPECT_EQ(result, -1);

    EXPECT_FALSE(send(*feature, command(0x07, {2})));
    EXPECT_TRUE(send(*otherFeature, command(0x07, {2})));
    for (const InterfaceInfo& i : mouse.enumerate())
        EXPECT_NE(i.product, kFirst);
    EXPECT_FALSE(mouse.isPlugged(kFirst));

    mouse.plug(kFirst);
    EXPECT_FALSE(send(*feature, command(0x07, {4}))) << "stays dead after plugging in again";
    const auto again = openFeature(kFirst);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(send(*again, command(0x07, {4})));
    EXPECT_EQ(mouse.config().pollingCode, 4);
    EXPECT_EQ(notices, (std::vector<std::pair<uint16_t, bool>>{{kFirst, false}, {kFirst, true}}));
    mouse.plug(kFirst);  // already in: no notice
    EXPECT_EQ(notices.size(), 2u);
}

TEST_F(VirtualMouseTest, InterruptEndsABlockedRead) {
    const auto input = openInput(kSecond);
    int result = 0;
    std::thread reader([&] {
        std::vector<uint8_t> buffer(33);
        result = input->readInput(buffer);
    });
    input->interrupt();
    reader.join();
    EXPECT_EQ(result, -1);
}

TEST_F(VirtualMouseTest, ReaderReceivesWhileAnotherThreadSends) {
    const auto input = openInput(kFirst);
    const auto feature = openFeature(kFirst);
    constexpr int kPresses = 40;
    std::vector<int> levels;
    std::thread reader([&] {
        std::vector<uint8_t> buffer(33);
        while (levels.size() < size_t{kPresses} && input->readInput(buffer) == 33)
            levels.push_back(buffer[4]);
    });
    for (int i = 0; i < kPresses; ++i) {
        send(*feature, command(0x0A, {static_cast<uint8_t>(i)}));
        ASSERT_TRUE(mouse.pressDpiButton(1 + i % 6));
    }
    reader.join();
    ASSERT_EQ(levels.size(), static_cast<size_t>(kPresses));
    for (int i = 0; i < kPresses; ++i)
        EXPECT_EQ(levels[i], 1 + i % 6);
    EXPECT_EQ(mouse.violations(), std::vector<std::string>{});
}

TEST(VirtualMouse, DevicesOutlivingTheMouseFail) {
    ManualClock clock;
    auto mouse = std::make_unique<VirtualMouse>(clock);
    std::unique_ptr<Device> feature, input;
    for (const InterfaceInfo& i : mouse->enumerate()) {
        if (i.featureReportLength == 33) feature = mouse->open(i.path);
        if (i.inputReportLength == 33) input = mouse->open(i.path);
    }
    ASSERT_NE(feature, nullptr);
    ASSERT_NE(input, nullptr);
    mouse.reset();
    EXPECT_FALSE(feature->setFeature(command(0x07, {2})));
    std::vector<uint8_t> buffer(33);
    EXPECT_EQ(input->readInput(buffer), -1);
}

TEST(VirtualMouse, FactoryConfigurationIsConsistent) {
    const MouseConfig c = MouseConfig::factory();
    EXPECT_EQ(c.enabledLevels(), 6);
    EXPECT_EQ(c.activeLevel(), 1);
    EXPECT_EQ(c.buttons[3], (std::array<uint8_t, 3>{0x10, 0x08, 0x00}));
    EXPECT_EQ(c.buttons[4], (std::array<uint8_t, 3>{0x10, 0x10, 0x00}));
    EXPECT_EQ(c.lighting.size(), 3u);
}

}  // namespace
}  // namespace vexmo::hid
