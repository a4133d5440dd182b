// What the main window shows: its controls at their design positions, the collapsible sections
// of the right column, the panels and the highlighted button number behind the controls, and the
// refresh of everything from the current profile.
#pragma once

#include <QPainter>
#include <array>

#include "app/SectionLayout.h"
#include "performance/SensorPageHolders.h"
#include "ui/SkinImage.h"

namespace vexmo {

struct ConfigModel;
struct DeviceStatus;
class LanguageTable;

namespace ui {
class CControlBase;
class CDlgBase;
class CBattery;
class CCheckButton;
class CColorSelectButton;
class CComboButton;
class CDPIRadioButton;
class CDPIValueShowControl;
class CPowerManageButton;
class CStaticText;
}  // namespace ui

// Control identifiers of the main window.
namespace id {
constexpr int kClose = 2001;
constexpr int kMinimise = 2002;
constexpr int kFirstButtonSlot = 2013;  // to 2018: mouse buttons 1 to 6
constexpr int kMacroManager = 2062;
constexpr int kRestore = 2045;
constexpr int kHeaderDpi = 3001;
constexpr int kHeaderSystem = 3003;
constexpr int kHeaderPolling = 3004;
constexpr int kHeaderSensor = 3011;
constexpr int kFirstDpiSwitch = 3260;     // to 3267
constexpr int kFirstDpiColour = 3270;     // to 3277
constexpr int kFirstDpiLabel = 3290;      // to 3297
constexpr int kFirstDpiValue = 3300;      // to 3307
constexpr int kFirstPollingRadio = 3030;  // to 3033: 125, 250, 500, 1000 Hz
constexpr int kFirstPollingLabel = 3142;  // to 3145
constexpr int kMouseSettings = 3330;
constexpr int kBatteryText = 3405;
constexpr int kSleepTime = 3500;
constexpr int kSleepTimeText = 3407;
constexpr int kMoveLighting = 3501;
constexpr int kProfileMenu = 3502;
constexpr int kLink = 3503;
constexpr int kMotionWakeup = 3504;
constexpr int kLiftNear = 3510;
constexpr int kLiftFar = 3511;
constexpr int kButtonSlotNotice = 1028;
}  // namespace id

class MainDisplay {
public:
    static constexpr int kDpiLevelsShown = 6;
    static constexpr int kDpiLevels = 8;
    static constexpr const char* kVersion = ":1.1.12";
    static constexpr const char16_t* kWebAddress = u"https://vexmo.example";

    explicit MainDisplay(ui::CDlgBase& window);

    // Creates every control once; later calls do nothing.
    void CreateControls(const LanguageTable& language, int dpiStepCount, bool sensorOption);

    // A section header was clicked (it has toggled itself): the opening rule, visibility,
    // positions. Returns false for an identifier that is not a section header.
    bool HeaderClicked(int headerId);
    // Shows or hides the sensor option section (its header) after a sensor change.
    void SetSensorOptionShown(bool shown);
    // Every DPI value display takes the sensor's step count as its maximum.
    void SetDpiMaximum(int stepCount);

    // Panels and the highlighted number, painted under the controls.
    void PaintContent(QPainter& painter);
    // 0 for none, else the mouse button (1..6) whose number is painted over the mouse picture.
    void SetHighlightedButton(int button);
    int highlightedButton() const { return highlightedButton_; }

    // Everything from the current profile (and the window's working DPI position).
    void Refresh(ConfigModel& model, const LanguageTable& language);
    // The DPI section from the profile and the working position.
    void RefreshDpi(const ConfigModel& model);
    // The battery indicator and its text; advances the charging animation.
    void ShowBattery(const DeviceStatus& status);

    // State the settings handlers read and write.
    int workingDpiPosition() const { return workingDpiPosition_; }
    void setWorkingDpiPosition(int p) { workingDpiPosition_ = p; }
    SensorPageHolders& holders() { return holders_; }
    const SectionLayout& sections() const { return sections_; }

    ui::CComboButton* buttonSlot(int button) const { return buttonSlots_[button]; }
    ui::CCheckButton* dpiSwitch(int level) const { return dpiSwitches_[level]; }
    ui::CColorSelectButton* dpiColour(int level) const { return dpiColours_[level]; }
    ui::CDPIRadioButton* dpiLabel(int level) const { return dpiLabels_[level]; }
    ui::CDPIValueShowControl* dpiValue(int level) const { return dpiValues_[level]; }
    ui::CPowerManageButton* sleepTime() const { return sleepTime_; }
    ui::CCheckButton* moveLighting() const { return moveLighting_; }
    ui::CCheckButton* motionWakeup() const { return motionWakeup_; }
    // Bit k: switch k is on (switches 6 and 7 are never shown but keep their state).
    uint8_t dpiSwitchMask() const;
    // The polling index of the selected rate radio (3 for none).
    int selectedPollingIndex() const;
    bool liftNearSelected() const;

private:
    struct SectionControl {
        ui::CControlBase* control;
        SectionLayout::Section section;
        int x, y, w, h;  // design units; y relative to the section's content unless fixed
        bool fixed;
    };

    template <class T>
    T* Add(SectionLayout::Section section, std::unique_ptr<T> control, int x, int y, int w, int h,
           bool fixed);
    void CreateLeftColumn(const LanguageTable& language);
    void CreateSections(const LanguageTable& language, int dpiStepCount);
    // Places the headers and section contents and sets their visible flags.
    void ApplySections();
    ui::CCheckButton* header(SectionLayout::Section s) const { return headers_[s]; }
    void PaintPanel(QPainter& painter, int x, int y, int w, int h);

    ui::CDlgBase& window_;
    bool created_ = false;
    SectionLayout sections_;
    SensorPageHolders holders_;
    int workingDpiPosition_ = 0;
    int highlightedButton_ = 0;
    ui::SkinImage panel_;
    ui::SkinImage numberPicture_;  // of the highlighted button, loaded when it is needed

    std::array<ui::CCheckButton*, SectionLayout::kSectionCount> headers_{};
    std::vector<SectionControl> sectionControls_;
    std::array<ui::CComboButton*, 6> buttonSlots_{};
    std::array<ui::CCheckButton*, kDpiLevels> dpiSwitches_{};
    std::array<ui::CColorSelectButton*, kDpiLevels> dpiColours_{};
    std::array<ui::CDPIRadioButton*, kDpiLevels> dpiLabels_{};
    std::array<ui::CDPIValueShowControl*, kDpiLevels> dpiValues_{};
    std::array<ui::CStaticText*, 4> pollingLabels_{};
    ui::CBattery* battery_ = nullptr;
    ui::CStaticText* batteryText_ = nullptr;
    ui::CPowerManageButton* sleepTime_ = nullptr;
    ui::CStaticText* sleepTimeText_ = nullptr;
    ui::CCheckButton* moveLighting_ = nullptr;
    ui::CCheckButton* motionWakeup_ = nullptr;
};

}  // namespace vexmo
