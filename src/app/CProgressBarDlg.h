// The progress window shown while the mouse takes a configuration: a bar that fills in about half
// a second, after which the window closes itself with OK. Its caller waits in the modal run.
#pragma once

#include "app/CFramedDlg.h"

namespace vexmo {

class CProgressBarDlg : public CFramedDlg {
public:
    static constexpr int kDesignWidth = 429;
    static constexpr int kDesignHeight = 140;
    static constexpr int kMessageId = 2012;
    static constexpr int kStepTimer = 1;   // the bar grows by kStepPercent on every tick
    static constexpr int kCloseTimer = 2;  // one-shot, started when the bar is full
    static constexpr int kStepMs = 10;
    static constexpr int kStepPercent = 2;
    static constexpr int kCloseDelayMs = 20;

    // The caption is kept for the caller; the window shows only the message.
    CProgressBarDlg(Text caption, Text message);
    ~CProgressBarDlg() override;

    // Runs modally (DoModal(owner)) and returns kOk once the bar has filled.
    const Text& caption() const { return caption_; }
    int percent() const { return percent_; }

    void CreateControls(const Rect& client) override;
    void onTimer(int id) override;

protected:
    void DrawContent(QPainter& painter) override;
    // The window ends by itself within half a second; a close request changes nothing.
    void onCloseRequest() override {}

private:
    // The bar's area at p percent, in window pixels.
    static QRect BarRect(int percent);

    Text caption_;
    Text message_;
    ui::SkinImage bar_;
    int percent_ = 0;
};

}  // namespace vexmo
