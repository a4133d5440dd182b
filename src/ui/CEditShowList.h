// The macro library as a tree list (always identifier 2015): rows of 20 design units indented by
// level, folder icons, the selected row highlighted; presses select and open or close folders.
#pragma once

#include <QPoint>

#include "ui/CControlBase.h"
#include "ui/MacroTreeView.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CEditShowList : public CControlBase {
public:
    static constexpr int kId = 2015;

    CEditShowList(platform::Window* parent, const Rect& rect, MacroTreeView* tree, bool visible,
                  bool shown, bool disabled);

    void SetTree(MacroTreeView* tree) { tree_ = tree; }
    void LoadFolderImages(const std::string& open, const std::string& closed);
    int firstVisible() const { return first_; }
    void SetFirstVisible(int row) { first_ = std::max(0, row); }
    int VisibleRows() const;
    // Row under a client y coordinate (may be past the last row).
    int RowAtY(int y) const;
    // Scrolls so the selected row is visible (no repaint).
    void EnsureSelectedVisible();
    // The point of the last right click (its address goes with RightClicked).
    const QPoint& rightClickPoint() const { return rightClick_; }

    void Draw(QPainter& painter, const QRect& area) override;
    bool OnMouseMove(unsigned flags, int x, int y) override { return TrackHover(flags, x, y); }
    bool OnLButtonDown(unsigned flags, int x, int y) override;
    bool OnLButtonUp(unsigned flags, int x, int y) override;
    bool OnLButtonDblClk(unsigned flags, int x, int y) override;
    bool OnRButtonUp(unsigned flags, int x, int y) override;
    void ReleaseImages() override;

private:
    // Selects the row under y, or nothing below the last row; returns the row or -1.
    int SelectAt(int y);

    MacroTreeView* tree_;
    SkinImage open_;
    SkinImage closed_;
    int first_ = 0;
    QPoint rightClick_;
};

}  // namespace vexmo::ui
