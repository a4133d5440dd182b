// The confirmation asked before the mouse is reset to its factory settings.
#pragma once

#include "app/CFramedDlg.h"
#include "app/LanguageTable.h"

namespace vexmo {

class CFirmwareResetDlg : public CFramedDlg {
public:
    static constexpr int kDesignWidth = 429;
    static constexpr int kDesignHeight = 140;
    static constexpr int kMessageId = 3001;
    static constexpr int kOkId = 2010;
    static constexpr int kCancelId = 2011;

    explicit CFirmwareResetDlg(const LanguageTable& language);
    ~CFirmwareResetDlg() override;

    // Runs modally; true when the user confirmed (OK or Enter).
    bool Confirm(platform::Window* owner) { return DoModal(owner) == kOk; }

    void CreateControls(const Rect& client) override;

protected:
    void OnEnter() override { Finish(kOk); }
    void OnControl(int id, uintptr_t wparam, intptr_t event) override;

private:
    const LanguageTable& language_;
};

}  // namespace vexmo
