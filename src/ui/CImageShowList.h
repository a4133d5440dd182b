// The actions of one macro as a list (always identifier 2020): one row per action with a time,
// up or down icon and its text, the selected row filled in the accent colour.
#pragma once

#include <functional>

#include "macros/MacroRecord.h"
#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CImageShowList : public CControlBase {
public:
    static constexpr int kId = 2020;
    // The key-name table (virtual-key code -> name).
    using KeyNameFn = std::function<Text(uint8_t)>;

    CImageShowList(platform::Window* parent, const Rect& rect, KeyNameFn keyName, bool visible,
                   bool shown, bool disabled);

    void LoadIcons(const std::string& time, const std::string& up, const std::string& down);
    // Shows a macro (null for none); the list does not own it.
    void SetMacro(const MacroRecord* macro) { macro_ = macro; }
    const MacroRecord* macro() const { return macro_; }
    int selected() const { return selected_; }
    void SetSelected(int row) { selected_ = row; }
    int firstVisible() const { return first_; }
    void SetFirstVisible(int row) { first_ = std::max(0, row); }
    int VisibleRows() const;
    int RowCount() const;
    void EnsureSelectedVisible();
    // The text of an action as the list shows it.
    Text ActionText(const MacroAction& action) const;

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override;
    bool OnLButtonUp(unsigned flags, int x, int y) override { return StandardUp(x, y); }
    bool OnLButtonDblClk(unsigned flags, int x, int y) override;
    void ReleaseImages() override;

private:
    KeyNameFn keyName_;
    const MacroRecord* macro_ = nullptr;
    SkinImage time_;
    SkinImage up_;
    SkinImage down_;
    int selected_ = -1;
    int first_ = 0;
};

}  // namespace vexmo::ui
