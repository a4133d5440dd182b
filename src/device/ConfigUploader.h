// Keeps the mouse equal to the current profile with as few reports as possible: pending groups,
// a shadow of every command's last payload, macro numbering for the buttons, and the upload.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <tuple>

#include "device/ProfilePayloads.h"
#include "device/ReportSender.h"
#include "macros/MacroDeviceForm.h"

namespace vexmo {

struct ConfigModel;
class MacroLibrary;
struct MacroLocation;

// Command groups a settings change marks for the next upload.
enum UploadGroup : unsigned {
    kUploadButtons = 1u << 0,
    kUploadPerformance = 1u << 1,  // DPI levels and colours, polling, lift-off, debounce, lighting
    kUploadPower = 1u << 2,        // power-down time and moving-lighting switch
    kUploadMotionWakeup = 1u << 3,
    kUploadAll = kUploadButtons | kUploadPerformance | kUploadPower | kUploadMotionWakeup,
};

class ConfigUploader {
public:
    static constexpr size_t kMacroShadowBytes = 512;
    static constexpr int kMacroNumbers = 16;  // the low four bits of the button code

    ConfigUploader(ConfigModel& model, MacroLibrary& library, ReportSender& sender);

    void MarkPending(unsigned groups) { pending_ |= groups; }
    bool isPending(unsigned groups) const { return (pending_ & groups) != 0; }
    unsigned pending() const { return pending_; }
    // The next upload that sends something shows no progress window.
    void SuppressProgressOnce() { suppressProgress_ = true; }
    // The next macro resolution copies the library macros into the buttons' copies.
    void RequestMacroCopy() { copyMacros_ = true; }

    struct Result {
        bool ran = false;           // a feature handle was open
        bool showProgress = false;  // something was sent and the progress window is wanted
    };
    // Sends, for each pending group, what differs from the shadows, then the changed macros.
    // Without an open handle nothing happens and the groups stay pending.
    Result UploadPending();

    // Fills every shadow from the current profile without sending.
    void PrimeShadows();
    // Numbers the macro buttons of the current profile and checks their macros still exist.
    void ResolveMacroButtons();

    // Shadows, for tests.
    const ButtonImage& buttonShadow() const { return buttonShadow_; }

private:
    void UploadButtons();
    void UploadPerformance();
    void UploadPower();
    void UploadMotionWakeup();
    void UploadMacros(bool sending);
    void SendPayload(uint8_t command, std::span<const uint8_t> payload);

    ConfigModel& model_;
    MacroLibrary& library_;
    ReportSender& sender_;

    unsigned pending_ = 0;
    bool suppressProgress_ = false;
    bool copyMacros_ = false;

    ButtonImage buttonShadow_{};
    DpiImage dpiShadow_{};
    ColourImage colourShadow_{};
    uint8_t pollingShadow_ = 0;
    uint8_t liftOffShadow_ = 0;
    uint8_t debounceShadow_ = 0;
    LightingImage lightingShadow_{};
    PowerImage powerShadow_{};
    uint8_t motionWakeupShadow_ = 0;
    std::array<std::array<uint8_t, kMacroShadowBytes>, kMacroNumbers> macroShadows_{};
    // Device macro number of each library position in the last resolution.
    std::map<std::tuple<int, int, int, int>, uint8_t> macroNumbers_;
};

}  // namespace vexmo
