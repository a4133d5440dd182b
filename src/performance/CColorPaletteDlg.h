// The colour palette: picks the indicator colour of one DPI level from the colours of a picture
// and stores it into the profile on OK.
#pragma once

#include <QImage>
#include <array>

#include "app/CFramedDlg.h"
#include "app/LanguageTable.h"
#include "settings/ProfileRecord.h"

namespace vexmo {

class CColorPaletteDlg : public CFramedDlg {
public:
    static constexpr int kDesignWidth = 500;
    static constexpr int kDesignHeight = 291;
    static constexpr int kPaletteBitmap = 287;
    static constexpr int kOkId = 2010;
    static constexpr int kRedId = 2011;
    static constexpr int kGreenId = 2012;
    static constexpr int kBlueId = 2013;
    static constexpr Colour kFrameColour = 0x0F0F0F;  // the picture's frame: never picked

    // Edits dpiLevelIndication[level] of profile, which must outlive the dialog. A level outside
    // 0..7 shows black, stores nothing and ends with kCancel.
    CColorPaletteDlg(const LanguageTable& language, ProfileRecord& profile, int level);
    ~CColorPaletteDlg() override;

    // Run with DoModal(owner): kOk after the working colour was stored into the level, kCancel
    // (nothing changed) from the close button.
    Colour workingColour() const { return working_; }

    bool OnInitDialog() override;
    void CreateControls(const Rect& client) override;
    void onMouse(const platform::MouseEvent& event) override;

protected:
    void DrawContent(QPainter& painter) override;
    void OnEnter() override { Accept(); }
    // Leaves the list of open dialogs as it ends.
    void Finish(int result) override;
    void OnControl(int id, uintptr_t wparam, intptr_t event) override;

private:
    bool InPickArea(int x, int y) const;
    // Takes the painted colour at (x, y) unless it is the frame's.
    void Pick(int x, int y);
    void ShowValues();
    void Accept();

    const LanguageTable& language_;
    ProfileRecord& profile_;
    int level_;
    Colour working_;
    QImage painted_;  // the picture as the window paints it, for reading colours
    std::array<ui::CStaticText*, 3> values_{};
};

}  // namespace vexmo
