// Owns the on-screen display for the main window: opens it or updates the open one after a
// change reported by the mouse, and closes it by the countdown of the main window's timer 50.
#pragma once

#include <memory>

#include "app/COSDDialog.h"
#include "app/OsdTexts.h"

namespace vexmo {

class OsdPresenter {
public:
    static constexpr int kTimerId = 50;
    static constexpr int kTimerMs = 300;
    static constexpr int kCountdown = 5;  // ticks the display stays after the last change

    // Timer 50 runs on mainWindow, which must outlive this presenter.
    explicit OsdPresenter(platform::Window& mainWindow);
    ~OsdPresenter();
    OsdPresenter(const OsdPresenter&) = delete;
    OsdPresenter& operator=(const OsdPresenter&) = delete;

    // Shows the profile's active DPI level, its resolution and the polling rate: updates the
    // open display and restarts its countdown, or opens one and starts timer 50.
    void Show(const ProfileRecord& profile, const DpiStepTable& steps);
    void Show(const OsdTexts& texts);
    // The main window's timer 50: counts down, then closes the display and stops the timer.
    void OnTimer50();

    bool isOpen() const { return display_ != nullptr; }
    const COSDDialog* display() const { return display_.get(); }
    int countdown() const { return countdown_; }

private:
    void Close();

    platform::Window& main_;
    std::unique_ptr<COSDDialog> display_;
    int countdown_ = 0;
};

}  // namespace vexmo
