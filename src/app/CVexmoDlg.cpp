#include "app/CVexmoDlg.h"

#include <malloc.h>

#include <cstdio>

#include "app/AppPaths.h"
#include "app/CAttentionDlg.h"
#include "app/CFirmwareResetDlg.h"
#include "app/CProgressBarDlg.h"
#include "app/LanguageFiles.h"
#include "app/OpenDialogList.h"
#include "app/OsdPresenter.h"
#include "macros/MacroLibraryFile.h"
#include "performance/DpiSectionController.h"
#include "performance/SensorSettingsController.h"
#include "platform/Services.h"
#include "ui/CComboButton.h"
#include "ui/UiEnvironment.h"

namespace vexmo {

namespace {

// Text entries the main window shows itself.
constexpr int kTextShow = 1;
constexpr int kTextExit = 2;
constexpr int kTextCaption = 150;
constexpr int kTextLeftClickWarning = 151;
constexpr int kTextProgress = 146;
constexpr int kTextNoMouse = 155;

// Pauses of the platform, so uploads wait on virtual time under the test backend.
class PlatformClock final : public Clock {
public:
    int64_t nowMs() const override { return platform::services().nowMs(); }
    void sleepMs(int ms) override { platform::services().sleep(ms); }
};

}  // namespace

// The routing of the main window: every message it handles and who acts on it.
const CVexmoDlg::Route CVexmoDlg::kRoutes[] = {
    {msg::kActivateInstance, msg::kActivateInstance, &CVexmoDlg::OnActivateInstance},
    {msg::kTrayNotify, msg::kTrayNotify, &CVexmoDlg::OnTrayNotify},
    {msg::kCommand, msg::kCommand, &CVexmoDlg::OnCommand},  // tray menu: show, exit
    {msg::kDeviceChangeReport, msg::kDeviceChangeReport, &CVexmoDlg::OnDeviceChangeReport},
    {msg::kDeviceChange, msg::kDeviceChange, &CVexmoDlg::OnDeviceChange},
    {id::kClose, id::kMinimise, &CVexmoDlg::OnHideToTray},
    {id::kHeaderDpi, id::kHeaderDpi, &CVexmoDlg::OnSectionHeader},
    {id::kHeaderSystem, id::kHeaderPolling, &CVexmoDlg::OnSectionHeader},
    {id::kHeaderSensor, id::kHeaderSensor, &CVexmoDlg::OnSectionHeader},
    {id::kButtonSlotNotice, id::kButtonSlotNotice, &CVexmoDlg::OnButtonSlot},
    {1027, 1045, &CVexmoDlg::OnLaterFeature},  // assignment menus and their dialogs
    {1057, 1057, &CVexmoDlg::OnLaterFeature},
    {1061, 1066, &CVexmoDlg::OnLaterFeature},
    {1154, 1163, &CVexmoDlg::OnLaterFeature},
    {id::kProfileMenu, id::kProfileMenu, &CVexmoDlg::OnLaterFeature},  // profile menu
    {1125, 1126, &CVexmoDlg::OnLaterFeature},
    {1164, 1165, &CVexmoDlg::OnLaterFeature},
    {id::kMacroManager, id::kMacroManager, &CVexmoDlg::OnLaterFeature},
    {id::kFirstDpiSwitch, id::kFirstDpiSwitch + 5, &CVexmoDlg::OnDpiControl},
    {id::kFirstDpiColour, id::kFirstDpiColour + 5, &CVexmoDlg::OnDpiControl},
    {id::kFirstDpiLabel, id::kFirstDpiLabel + 5, &CVexmoDlg::OnDpiControl},
    {id::kFirstDpiValue, id::kFirstDpiValue + 5, &CVexmoDlg::OnDpiControl},
    {id::kFirstPollingRadio, id::kFirstPollingRadio + 3, &CVexmoDlg::OnSensorControl},
    {id::kSleepTime, id::kMoveLighting, &CVexmoDlg::OnSensorControl},
    {id::kMotionWakeup, id::kMotionWakeup, &CVexmoDlg::OnSensorControl},
    {id::kLiftNear, id::kLiftFar, &CVexmoDlg::OnSensorControl},
    {id::kRestore, id::kRestore, &CVexmoDlg::OnRestore},
    {id::kMouseSettings, id::kMouseSettings, &CVexmoDlg::OnMouseSettings},
    {id::kLink, id::kLink, &CVexmoDlg::OnLink},
};

CVexmoDlg::CVexmoDlg(AppOptions options, hid::HidBackend& backend)
    : options_(std::move(options)), clock_(std::make_unique<PlatformClock>()), display_(*this) {
    setName("CVexmoDlg");
    model_.dataDirectory = options_.dataDirectory;
    session_ = std::make_unique<DeviceSession>(model_, library_, backend, *clock_, *this);
    osd_ = std::make_unique<OsdPresenter>(*this);
    dpiSection_ = std::make_unique<DpiSectionController>(*this);
    sensorSettings_ = std::make_unique<SensorSettingsController>(*this);
}

CVexmoDlg::~CVexmoDlg() = default;

int CVexmoDlg::Run() {
    const int result = DoModal(nullptr);
    Shutdown();
    return result < 0 ? 1 : 0;
}

bool CVexmoDlg::OnInitDialog() {
    platform::Services& services = platform::services();
    // The data folder, with the language files a first start installs.
    EnsureDataDirectory(model_.dataDirectory);
    InstallLanguageFiles(model_.dataDirectory, options_.locale);

    const QRect area = services.workArea();
    ui::Env().uiScale = platform::Services::uiScaleFor(area.size());
    ui::Env().fontDpiFactor = services.fontDpiFactor();
    const double scale = ui::Env().uiScale;

    model_.language.load(model_.dataDirectory, scale);
    ui::Env().uiFont = model_.language.font();
    ReadMacroLibraryFile(model_.dataDirectory + "config/MacroLibraryFile.mlf", library_);
    model_.LoadSettings();
    model_.BuildDpiSteps();

    display_.CreateControls(model_.language, model_.dpiSteps.count(), model_.dpiSteps.capability());

    setIcon(ui::ApplicationIcon());
    setTitle(kTitle);
    const int width = static_cast<int>(kMainDesignWidth * scale);
    const int height = static_cast<int>(kMainDesignHeight * scale);
    SetSize(width, height);
    const int x = area.width() > width ? static_cast<int>((area.width() - width) * 0.5) : 0;
    const int y = area.height() > height ? static_cast<int>((area.height() - height) * 0.5) : 0;
    setGeometry(QRect(area.left() + x, area.top() + y, width, height));
    show(true);

    OpenDialogs().Clear();
    savePending_ = false;
    services.tray().add(*this, msg::kTrayNotify, kTrayIconId, ui::ApplicationIcon(), kTitle);
    refreshDisplay();
    session_->Start();
    LoadBackgroundFromResource(364);
    setTimer(timer::kMissingMouse, timer::kMissingMouseMs);
    // Decoding the images left large freed blocks behind; give them back to the system.
    malloc_trim(0);
    return true;
}

intptr_t CVexmoDlg::onMessage(const platform::Message& message) {
    for (const Route& route : kRoutes) {
        if (message.id >= route.first && message.id <= route.last) {
            (this->*route.handler)(message);
            return 0;
        }
    }
    return ui::CDlgBase::onMessage(message);
}

void CVexmoDlg::onTimer(int id) {
    switch (id) {
        case timer::kLeftClickWarning: {
            platform::Window::killTimer(id);
            CAttentionDlg warning(model_.language, model_.language.text(kTextCaption),
                                  model_.language.text(kTextLeftClickWarning), this);
            warning.DoModal();
            break;
        }
        case timer::kUpload:
            platform::Window::killTimer(id);
            session_->UploadPending();
            break;
        case timer::kOsd:
            osd_->OnTimer50();
            break;
        case timer::kProfileAction:
            platform::Window::killTimer(id);
            break;
        case timer::kSave:
            platform::Window::killTimer(id);
            savePending_ = false;
            SaveFiles();
            break;
        case timer::kMissingMouse:
            platform::Window::killTimer(id);
            MissingMouseCheck();
            break;
        case timer::kDeviceHealth:
            HealthTick();
            break;
        default:
            ui::CDlgBase::onTimer(id);
            break;
    }
}

void CVexmoDlg::onCloseRequest() {
    // The window manager's close hides to the tray like the title buttons; without a tray the
    // window could never come back, so closing ends the program.
    if (platform::services().tray().available()) {
        hide();
    } else {
        ExitProgram();
    }
}

bool CVexmoDlg::filterKey(const platform::KeyEvent& event) {
    // Neither Enter nor Escape closes the main window.
    constexpr int kEnter = 0x0D;
    constexpr int kEscape = 0x1B;
    return event.action != platform::KeyAction::Char && (event.vk == kEnter || event.vk == kEscape);
}

void CVexmoDlg::DrawBackground(QPainter& painter, const QRect& client) {
    DrawBaseAndBackground(painter, client);
    display_.PaintContent(painter);
    DrawControls(painter, client);
}

// --- routing table handlers ---

void CVexmoDlg::OnActivateInstance(const platform::Message&) {
    ShowWindowFromTray();
}

void CVexmoDlg::OnTrayNotify(const platform::Message& message) {
    if (message.wparam != kTrayIconId) return;
    if (message.lparam == platform::Tray::kDoubleClick) {
        ShowWindowFromTray();
    } else if (message.lparam == platform::Tray::kRightButtonUp) {
        const int chosen = platform::services().tray().trackMenu(
            {{static_cast<int>(msg::kShowWindow), model_.language.text(kTextShow)},
             {0, {}},
             {static_cast<int>(msg::kExit), model_.language.text(kTextExit)}});
        if (chosen != 0) OnCommand({msg::kCommand, static_cast<uintptr_t>(chosen), 0});
    }
}

void CVexmoDlg::OnCommand(const platform::Message& message) {
    if (message.wparam == msg::kShowWindow) ShowWindowFromTray();
    if (message.wparam == msg::kExit) ExitProgram();
}

void CVexmoDlg::OnDeviceChangeReport(const platform::Message& message) {
    if (message.wparam != 1) return;
    const auto polling = static_cast<uint8_t>(message.lparam & 0xFF);
    const auto level = static_cast<uint8_t>((message.lparam >> 8) & 0xFF);
    session_->ApplyDeviceChange(polling, level);
    osd_->Show(model_.currentProfile(), model_.dpiSteps);
    // The mouse holds the change already; the files must learn it too.
    armDeferredSave();
}

void CVexmoDlg::OnDeviceChange(const platform::Message& message) {
    using Notice = DeviceSession::Notice;
    if (message.wparam != msg::kArrival && message.wparam != msg::kRemoval) return;
    const auto result = session_->OnDeviceChange(message.wparam == msg::kArrival ? Notice::Arrival
                                                                                 : Notice::Removal);
    if (result == DeviceSession::NoticeResult::LastRemoved) {
        hide();
        OpenDialogs().CloseAll();
        EndDialog(1);
    }
}

void CVexmoDlg::OnHideToTray(const platform::Message& message) {
    if (message.lparam != ui::kClicked) return;
    onCloseRequest();
}

void CVexmoDlg::OnSectionHeader(const platform::Message& message) {
    if (message.lparam != ui::kClicked) return;
    display_.HeaderClicked(static_cast<int>(message.id));
    refreshDisplay();
}

void CVexmoDlg::OnButtonSlot(const platform::Message& message) {
    // The number of the button under the pointer is painted over the mouse picture.
    const int slot = static_cast<int>(message.wparam);
    if (message.lparam == ui::kHoverEnter) display_.SetHighlightedButton(slot - 2012);
    if (message.lparam == ui::kHoverLeave) display_.SetHighlightedButton(0);
}

void CVexmoDlg::OnDpiControl(const platform::Message& message) {
    dpiSection_->OnControl(static_cast<int>(message.id), message.lparam);
}

void CVexmoDlg::OnSensorControl(const platform::Message& message) {
    sensorSettings_->OnControl(static_cast<int>(message.id), message.lparam);
}

void CVexmoDlg::OnRestore(const platform::Message& message) {
    if (message.lparam != ui::kClicked) return;
    CFirmwareResetDlg confirm(model_.language);
    if (!confirm.Confirm(this)) return;
    session_->RestoreFactorySettings();
    CProgressBarDlg progress(Text{}, model_.language.text(kTextProgress));
    progress.DoModal(this);
}

void CVexmoDlg::OnMouseSettings(const platform::Message& message) {
    if (message.lparam == ui::kClicked) platform::services().openMouseSettings();
}

void CVexmoDlg::OnLink(const platform::Message& message) {
    if (message.lparam == ui::kClicked) {
        platform::services().openUrl(toUtf8(MainDisplay::kWebAddress));
    }
}

// --- actions ---

void CVexmoDlg::ShowWindowFromTray() {
    activate();
    showNormal();
}

void CVexmoDlg::ExitProgram() {
    OpenDialogs().CloseAll();
    EndDialog(1);
}

void CVexmoDlg::MissingMouseCheck() {
    if (session_->link().anyHandleOpen()) return;
    // A mouse that is there but cannot be opened lacks the udev rule: say so on the terminal.
    for (const std::string& path : session_->link().unopenable()) {
        std::fprintf(stderr,
                     "vexmo: the mouse is at %s but cannot be opened; install the udev rule "
                     "70-vexmo.rules (see the README)\n",
                     path.c_str());
    }
    missingMouseWarning_ =
        std::make_unique<CAttentionDlg>(model_.language, model_.language.text(kTextCaption),
                                        model_.language.text(kTextNoMouse), nullptr);
    missingMouseWarning_->ShowModeless();
}

void CVexmoDlg::HealthTick() {
    session_->OnHealthTick();
    display_.ShowBattery(session_->status());
}

void CVexmoDlg::SaveFiles() {
    model_.SaveCurrentProfileIndex();
    model_.SaveAllProfiles();
}

void CVexmoDlg::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    platform::services().sleep(50);
    if (savePending_) {
        platform::Window::killTimer(timer::kSave);
        savePending_ = false;
        SaveFiles();
    }
    session_->CloseHandles();
    platform::services().tray().remove();
    missingMouseWarning_.reset();
}

// --- DeviceHost ---

void CVexmoDlg::postDeviceChange(uint8_t pollingCode, uint8_t levelByte) {
    post(msg::kDeviceChangeReport, 1, pollingCode | (levelByte << 8));
}

void CVexmoDlg::showUploadProgress() {
    CProgressBarDlg progress(Text{}, model_.language.text(kTextProgress));
    progress.DoModal(this);
}

void CVexmoDlg::refreshDisplay() {
    display_.Refresh(model_, model_.language);
}

void CVexmoDlg::setWorkingDpiPosition(int position) {
    display_.setWorkingDpiPosition(position);
}

void CVexmoDlg::onSensorChanged() {
    display_.SetSensorOptionShown(model_.dpiSteps.capability());
    display_.SetDpiMaximum(model_.dpiSteps.count());
    invalidate();
}

void CVexmoDlg::armDeferredSave() {
    platform::Window::killTimer(timer::kSave);
    savePending_ = true;
    setTimer(timer::kSave, timer::kSaveDelayMs);
}

void CVexmoDlg::SettingsChanged(unsigned uploadGroups) {
    session_->ScheduleUpload(uploadGroups);
}

}  // namespace vexmo
