// The DPI value dialog: chooses the step of one DPI level with a slider, the arrow keys or a
// typed resolution, which snaps to the first step at least as high.
#pragma once

#include <memory>

#include "app/CFramedDlg.h"
#include "app/LanguageTable.h"
#include "performance/DpiStepTable.h"
#include "platform/EditField.h"
#include "ui/CSliderControl.h"

namespace vexmo {

class CDPIValueSettingDlg : public CFramedDlg {
public:
    static constexpr int kDesignWidth = 429;
    static constexpr int kDesignHeight = 140;
    static constexpr int kTitleId = 2012;  // also the two range labels
    static constexpr int kValueId = 2013;
    static constexpr int kEditId = 2017;
    static constexpr int kTrackId = 2020;
    static constexpr int kSliderId = 2021;
    static constexpr int kOkId = 2010;

    // steps must outlive the dialog; stepCount is the number of its steps to offer (at most
    // steps.count()); currentStep is the level's step, where the slider starts.
    CDPIValueSettingDlg(const LanguageTable& language, const DpiStepTable& steps, int stepCount,
                        int currentStep);
    ~CDPIValueSettingDlg() override;

    // Run with DoModal(owner): kOk when closed with OK, then chosenStep() is the result;
    // kCancel from the close button.
    int chosenStep() const { return chosen_; }

    void CreateControls(const Rect& client) override;
    // Enter and Escape as every framed dialog; Left and Right move one step.
    bool filterKey(const platform::KeyEvent& event) override;

protected:
    // Takes the typed resolution; the dialog stays open.
    void OnEnter() override { ApplyTypedText(); }
    void OnControl(int id, uintptr_t wparam, intptr_t event) override;

private:
    void ApplyTypedText();
    // Moves the slider to step and shows it.
    void Choose(int step);
    // The value text and the entry field show the chosen step's resolution.
    void ShowChosen();

    const LanguageTable& language_;
    const DpiStepTable& steps_;
    int count_;
    int chosen_;
    ui::CSliderControl* slider_ = nullptr;
    ui::CStaticText* value_ = nullptr;
    std::unique_ptr<platform::EditField> edit_;
};

}  // namespace vexmo
