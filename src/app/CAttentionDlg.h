// The small warning and confirmation dialog: a caption, a message and an OK button. Used modally
// (OK means yes), or modeless and topmost for the missing-mouse warning at start-up.
#pragma once

#include "app/CFramedDlg.h"
#include "app/LanguageTable.h"

namespace vexmo {

class CAttentionDlg : public CFramedDlg {
public:
    static constexpr int kDesignWidth = 319;
    static constexpr int kDesignHeight = 102;
    static constexpr int kOkId = 2010;
    static constexpr int kCaptionId = 2012;
    static constexpr int kMessageId = 2013;

    // The language gives the OK button's text (entry 4). owner may be null.
    CAttentionDlg(const LanguageTable& language, Text caption, Text message,
                  platform::Window* owner);
    ~CAttentionDlg() override;

    // Modal: kOk for the OK button (or Enter), kCancel for the close button (or Escape).
    using CFramedDlg::DoModal;
    int DoModal() { return CFramedDlg::DoModal(owner_); }

    // Modeless: shows the dialog above all other windows and returns at once. OK or close hides
    // it and removes its window soon after; the object stays with whoever created it, who may
    // delete it at any time. False when the window could not be made or was closed already.
    bool ShowModeless();
    // A modeless dialog that has not been closed yet.
    bool IsOpen() const { return exists() && isVisible(); }
    // The result the dialog ended with, kCancel until then.
    int result() const { return result_; }

    void CreateControls(const Rect& client) override;

protected:
    void OnEnter() override { Finish(kOk); }
    void OnEscape() override { Finish(kCancel); }
    intptr_t onMessage(const platform::Message& message) override;
    void OnControl(int id, uintptr_t wparam, intptr_t event) override;
    void Finish(int result) override;

private:
    const LanguageTable& language_;
    Text caption_;
    Text message_;
    platform::Window* owner_;
    bool modeless_ = false;
    int result_ = kCancel;
};

}  // namespace vexmo
