#include "ui/CEditShowList.h"

#include "ui/ListRows.h"
#include "ui/UiText.h"

namespace vexmo::ui {

CEditShowList::CEditShowList(platform::Window* parent, const Rect& rect, MacroTreeView* tree,
                             bool visible, bool shown, bool disabled)
    : CControlBase(parent, kId, rect, Text(), visible, shown, disabled, true), tree_(tree) {}

void CEditShowList::LoadFolderImages(const std::string& open, const std::string& closed) {
    open_ = LoadSkinImage(open);
    closed_ = LoadSkinImage(closed);
}

int CEditShowList::VisibleRows() const {
    return VisibleRowsFor(rect().height());
}

int CEditShowList::RowAtY(int y) const {
    return (y - rect().top) / RowHeight() + first_;
}

void CEditShowList::EnsureSelectedVisible() {
    if (tree_ == nullptr) return;
    const int selected = tree_->SelectedRow();
    first_ = selected < 0 ? FirstVisibleFor(first_, first_, VisibleRows(), tree_->RowCount())
                          : FirstVisibleFor(selected, first_, VisibleRows(), tree_->RowCount());
}

void CEditShowList::Draw(QPainter& painter, const QRect&) {
    const QRect area = qrect();
    painter.fillRect(area, ToQColor(kListBackground));
    if (tree_ == nullptr) return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    const double s = Env().uiScale;
    const int rowHeight = RowHeight();
    const int iconWidth = static_cast<int>(closed_.width() * s);
    const int iconHeight = static_cast<int>(closed_.height() * s);
    const int count = tree_->RowCount();
    const int selected = tree_->SelectedRow();
    for (int row = first_, y = rect().top; row < count && y < rect().bottom;
         ++row, y += rowHeight) {
        const MacroTreeView::Row item = tree_->RowAt(row);
        const QRect line(rect().left, y, rect().width(), rowHeight);
        if (row == selected) painter.fillRect(line, ToQColor(kListSelected));
        int x = rect().left + static_cast<int>(item.level * (closed_.width() + 3) * s);
        if (item.isFolder) {
            (item.isOpen ? open_ : closed_)
                .draw(painter, QRect(x, y + (rowHeight - iconHeight) / 2, iconWidth, iconHeight));
            x += iconWidth + static_cast<int>(3 * s);
        }
        DrawText(painter, font_, item.name, QRect(x, y, rect().right - x, rowHeight),
                 row == selected ? kListSelectedText : kListText,
                 kTextLeft | kTextVCenter | kTextSingleLine | kTextWordEllipsis);
    }
    painter.restore();
}

int CEditShowList::SelectAt(int y) {
    const int row = RowAtY(y);
    if (row < tree_->RowCount()) {
        tree_->SelectRow(row);
        return row;
    }
    tree_->SelectRow(-1);
    return -1;
}

bool CEditShowList::OnLButtonDown(unsigned, int x, int y) {
    if (disabled() || tree_ == nullptr || !rect().contains(x, y)) return false;
    state_ = kStatePressed;
    const int row = SelectAt(y);
    if (row >= 0) {
        const MacroTreeView::Row item = tree_->RowAt(row);
        const double iconWidth = closed_.width() * Env().uiScale;
        if (item.isFolder && x - rect().left < iconWidth * (item.level + 1)) tree_->ToggleOpen(row);
    }
    return true;
}

bool CEditShowList::OnLButtonUp(unsigned, int x, int y) {
    return StandardUp(x, y);
}

bool CEditShowList::OnLButtonDblClk(unsigned, int x, int y) {
    if (disabled() || tree_ == nullptr || !rect().contains(x, y)) return false;
    const int row = RowAtY(y);
    if (row >= tree_->RowCount()) return false;
    tree_->ToggleOpen(row);
    NotifyEvent(kDoubleClicked);
    return true;
}

bool CEditShowList::OnRButtonUp(unsigned, int x, int y) {
    if (disabled() || tree_ == nullptr || !rect().contains(x, y)) return false;
    SelectAt(y);
    rightClick_ = QPoint(x, y);
    Notify(static_cast<uint32_t>(id()), reinterpret_cast<uintptr_t>(&rightClick_), kRightClicked);
    return true;
}

void CEditShowList::ReleaseImages() {
    open_.release();
    closed_.release();
}

}  // namespace vexmo::ui
