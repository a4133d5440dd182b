#include "ui/CImageShowList.h"

#include <cstdlib>

#include "ui/ListRows.h"
#include "ui/UiText.h"

namespace vexmo::ui {

namespace {
constexpr uint8_t kMoveX = 0xE5;
constexpr uint8_t kMoveY = 0xE6;
constexpr uint8_t kWheel = 0xE7;

Text Signed(const char* negative, const char* positive, uint8_t amount) {
    const int value = static_cast<int8_t>(amount);
    return ascii(value < 0 ? negative : positive) + u" " + formatDec(std::abs(value));
}
}  // namespace

CImageShowList::CImageShowList(platform::Window* parent, const Rect& rect, KeyNameFn keyName,
                               bool visible, bool shown, bool disabled)
    : CControlBase(parent, kId, rect, Text(), visible, shown, disabled, true),
      keyName_(std::move(keyName)) {}

void CImageShowList::LoadIcons(const std::string& time, const std::string& up,
                               const std::string& down) {
    time_ = LoadSkinImage(time);
    up_ = LoadSkinImage(up);
    down_ = LoadSkinImage(down);
}

int CImageShowList::VisibleRows() const {
    return VisibleRowsFor(rect().height());
}

int CImageShowList::RowCount() const {
    return macro_ == nullptr
               ? 0
               : static_cast<int>(std::min<size_t>(macro_->actionNum, MacroRecord::kMaxActions));
}

void CImageShowList::EnsureSelectedVisible() {
    first_ = FirstVisibleFor(selected_ < 0 ? first_ : selected_, first_, VisibleRows(), RowCount());
}

Text CImageShowList::ActionText(const MacroAction& action) const {
    if (action.code < 8) {
        const uint32_t ms = (static_cast<uint32_t>(action.flags) << 16) |
                            (static_cast<uint32_t>(action.data1) << 8) | action.data2;
        return formatUnsigned(ms) + u"ms";
    }
    switch (action.code) {
        case kMoveX:
            return Signed("Move Left", "Move Right", action.data2);
        case kMoveY:
            return Signed("Move Up", "Move Down", action.data2);
        case kWheel:
            return Signed("Wheel Up", "Wheel Down", action.data2);
        default:
            return keyName_ ? keyName_(action.code) : Text();
    }
}

void CImageShowList::Draw(QPainter& painter, const QRect&) {
    painter.fillRect(qrect(), ToQColor(kListBackground));
    if (macro_ == nullptr) return;
    painter.save();
    painter.setClipRect(qrect(), Qt::IntersectClip);
    const double s = Env().uiScale;
    const int rowHeight = RowHeight();
    const int count = RowCount();
    for (int row = first_, y = rect().top; row < count && y < rect().bottom;
         ++row, y += rowHeight) {
        const MacroAction& action = macro_->actions[row];
        const QRect line(rect().left, y, rect().width(), rowHeight);
        if (row == selected_) painter.fillRect(line, ToQColor(kListSelected));
        const SkinImage& icon = action.code < 8 ? time_ : action.isRelease() ? up_ : down_;
        const QSize iconSize(static_cast<int>(icon.width() * s),
                             static_cast<int>(icon.height() * s));
        const int x = rect().left + static_cast<int>(3 * s);
        icon.draw(painter, QRect(QPoint(x, y + (rowHeight - iconSize.height()) / 2), iconSize));
        const int textLeft = x + iconSize.width() + static_cast<int>(4 * s);
        DrawText(painter, font_, ActionText(action),
                 QRect(textLeft, y, rect().right - textLeft, rowHeight),
                 row == selected_ ? kListSelectedText : kListText,
                 kTextLeft | kTextVCenter | kTextSingleLine | kTextWordEllipsis);
    }
    painter.restore();
}

bool CImageShowList::OnLButtonDown(unsigned, int x, int y) {
    if (disabled() || !rect().contains(x, y)) return false;
    state_ = kStatePressed;
    const int row = (y - rect().top) / RowHeight() + first_;
    if (row >= RowCount()) return false;
    selected_ = row;
    return true;
}

bool CImageShowList::OnLButtonDblClk(unsigned, int x, int y) {
    if (disabled() || !rect().contains(x, y)) return false;
    NotifyEvent(kDoubleClicked);
    return false;
}

void CImageShowList::ReleaseImages() {
    time_.release();
    up_.release();
    down_.release();
}

}  // namespace vexmo::ui
