#include "device/ConfigUploader.h"

#include <algorithm>

#include "macros/MacroLibrary.h"
#include "settings/ConfigModel.h"

namespace vexmo {

namespace {

constexpr uint8_t kMacroType = 0x90;
constexpr int kMacroPacketBytes = 25;
constexpr int kMacroNameText = 34;  // "Disabled": the button's macro left the library

// Compares and copies; true when any byte differed.
template <typename Shadow, typename Image>
bool updateShadow(Shadow& shadow, const Image& image, size_t count) {
    bool changed = false;
    for (size_t i = 0; i < count; ++i) {
        if (shadow[i] != image[i]) changed = true;
        shadow[i] = image[i];
    }
    return changed;
}

bool updateByte(uint8_t& shadow, uint8_t value) {
    const bool changed = shadow != value;
    shadow = value;
    return changed;
}

}  // namespace

ConfigUploader::ConfigUploader(ConfigModel& model, MacroLibrary& library, ReportSender& sender)
    : model_(model), library_(library), sender_(sender) {}

void ConfigUploader::SendPayload(uint8_t command, std::span<const uint8_t> payload) {
    auto& buffer = sender_.buffer();
    buffer.Begin(command, static_cast<uint8_t>(payload.size()));
    std::copy(payload.begin(), payload.end(), buffer.payload().begin());
    sender_.SendReport();
}

ConfigUploader::Result ConfigUploader::UploadPending() {
    Result result;
    sender_.clearSent();
    if (!sender_.hasHandle()) return result;
    result.ran = true;

    ResolveMacroButtons();
    if (pending_ & kUploadButtons) UploadButtons();
    if (pending_ & kUploadPerformance) UploadPerformance();
    if (pending_ & kUploadPower) UploadPower();
    if (pending_ & kUploadMotionWakeup) UploadMotionWakeup();
    pending_ = 0;
    UploadMacros(true);

    result.showProgress = sender_.sent() && !suppressProgress_;
    suppressProgress_ = false;
    return result;
}

void ConfigUploader::ResolveMacroButtons() {
    macroNumbers_.clear();
    uint8_t next = 1;
    ProfileRecord& profile = model_.currentProfile();
    for (auto& button : profile.buttons) {
        if (button.code[0] != kMacroType) continue;
        std::optional<MacroLocation> found;
        if (button.macroKeyIndex != 0) found = library_.FindMacroByKeyIndex(button.macroKeyIndex);
        const MacroItem* item = found ? library_.ItemAt(*found) : nullptr;
        if (!item || !item->macro) {
            button.name = model_.language.text(kMacroNameText);
            button.code = {0, 0, 0};
            continue;
        }
        const auto key = std::make_tuple(found->stage, found->stage0Index, found->stage1Index,
                                         found->stage2Index);
        auto [it, added] = macroNumbers_.try_emplace(key, next);
        if (added) ++next;
        if (copyMacros_) SetButtonMacro(button, item->macro.get());
        button.code = MacroButtonCode(it->second, *item->macro);
    }
    copyMacros_ = false;
}

void ConfigUploader::UploadButtons() {
    const ButtonImage image = BuildButtonImage(model_.currentProfile());
    std::array<bool, 6> changed{};
    for (size_t i = 0; i < image.size(); ++i) {
        if (image[i] != buttonShadow_[i]) changed[i / 3] = true;
    }
    buttonShadow_ = image;
    for (int d = 0; d < 6; ++d) {
        if (changed[d]) {
            const std::array<uint8_t, 4> payload = {static_cast<uint8_t>(d), image[3 * d],
                                                    image[3 * d + 1], image[3 * d + 2]};
            SendPayload(command::kButton, payload);
        }
        sender_.Pause();
    }
}

void ConfigUploader::UploadPerformance() {
    const ProfileRecord& profile = model_.currentProfile();
    const uint8_t polling = PollingCode(profile);
    const uint8_t liftOff = LiftOffCode(profile);
    const uint8_t debounce = DebounceValue(profile);
    const bool pollingChanged = updateByte(pollingShadow_, polling);
    const bool liftOffChanged = updateByte(liftOffShadow_, liftOff);
    const bool debounceChanged = updateByte(debounceShadow_, debounce);

    const DpiImage dpi = BuildDpiImage(profile, model_.dpiSteps);
    const bool dpiChanged = updateShadow(dpiShadow_, dpi, 17);
    const ColourImage colours = BuildColourImage(profile);
    const bool coloursChanged = updateShadow(colourShadow_, colours, colours.size());
    const LightingImage lighting = BuildLightingImage(profile);
    const bool lightingChanged = updateShadow(lightingShadow_, lighting, lighting[0] + 1u);

    if (dpiChanged) SendPayload(command::kDpiLevels, dpi);
    if (coloursChanged) SendPayload(command::kDpiColours, colours);
    if (pollingChanged) SendPayload(command::kPollingRate, std::array<uint8_t, 1>{polling});
    if (liftOffChanged) SendPayload(command::kLiftOff, std::array<uint8_t, 2>{liftOff, 0});
    if (debounceChanged) SendPayload(command::kDebounce, std::array<uint8_t, 1>{debounce});
    if (lightingChanged) {
        auto& buffer = sender_.buffer();
        buffer.Begin(command::kLighting, lighting[0]);
        // Bytes 6 to 30: the length, then the payload.
        std::copy(lighting.begin(), lighting.end(), buffer.bytes().begin() + 6);
        sender_.SendReport();
    }
}

void ConfigUploader::UploadPower() {
    const PowerImage power = BuildPowerImage(model_.currentProfile());
    if (updateShadow(powerShadow_, power, power.size())) SendPayload(command::kPower, power);
}

void ConfigUploader::UploadMotionWakeup() {
    const uint8_t value = MotionWakeupValue(model_.currentProfile());
    if (updateByte(motionWakeupShadow_, value)) {
        SendPayload(command::kMotionWakeup, std::array<uint8_t, 1>{value});
    }
}

void ConfigUploader::UploadMacros(bool sending) {
    for (const auto& button : model_.currentProfile().buttons) {
        if (button.code[0] != kMacroType) continue;
        const uint8_t number = button.code[1] & 0x0F;
        const MacroImage image = BuildMacroImage(button.macro, number);
        const bool changed = updateShadow(macroShadows_[number], image, kMacroShadowBytes);
        if (sending && changed) {
            // The header's step count decides how many bytes follow it; the model never holds
            // more than 50 steps, which keeps the packet count within its four bits.
            const int stepBytes = 3 * std::min<int>(image[3], MacroRecord::kMaxDeviceSteps);
            const int packets =
                std::max(1, (stepBytes + kMacroPacketBytes - 1) / kMacroPacketBytes);
            for (int p = 0; p < packets; ++p) {
                const int remaining = stepBytes - kMacroPacketBytes * p;
                const uint8_t length =
                    remaining > kMacroPacketBytes ? kMacroPacketBytes + 1 : remaining + 1;
                auto& buffer = sender_.buffer();
                buffer.Begin(command::kMacroPacket, length,
                             static_cast<uint8_t>(p * 16 + (packets & 0x0F)));
                buffer[7] = number;
                const auto* from = image.data() + 4 + kMacroPacketBytes * p;
                std::copy(from, from + kMacroPacketBytes, buffer.bytes().begin() + 8);
                sender_.SendReport();
            }
        }
        sender_.Pause();
    }
}

void ConfigUploader::PrimeShadows() {
    const ProfileRecord& profile = model_.currentProfile();
    buttonShadow_ = BuildButtonImage(profile);
    pollingShadow_ = PollingCode(profile);
    liftOffShadow_ = LiftOffCode(profile);
    debounceShadow_ = DebounceValue(profile);
    dpiShadow_ = BuildDpiImage(profile, model_.dpiSteps);
    colourShadow_ = BuildColourImage(profile);
    const LightingImage lighting = BuildLightingImage(profile);
    updateShadow(lightingShadow_, lighting, lighting[0] + 1u);
    powerShadow_ = BuildPowerImage(profile);
    motionWakeupShadow_ = MotionWakeupValue(profile);
    ResolveMacroButtons();
    UploadMacros(false);
}

}  // namespace vexmo
