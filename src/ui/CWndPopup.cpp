#include "ui/CWndPopup.h"

#include <QPainter>

#include "ui/CDlgBase.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo::ui {

namespace {
constexpr int kHoverDelayMs = 50;
constexpr Colour kSeparatorColour = 0xDEA035;
constexpr Colour kHotTextColour = 0xFFFFFF;
constexpr Colour kTextColour = 0xB4B4B4;
const QRect kItemSource(0, 0, 190, 22);
}  // namespace

CWndPopup::CWndPopup(int kind) : kind_(kind), font_(MakeControlFont()) {
    if (auto frame = LoadResourceImage(151)) frame_ = std::move(*frame);
}

CWndPopup::~CWndPopup() = default;

uint32_t CWndPopup::DeactivationMessage(int kind) {
    switch (kind) {
        case 0:
            return 1029;
        case 2:
            return 1042;
        case 3:
            return 1045;
        case 6:
            return 1057;
        case 7:
            return 1126;
        case 8:
            return 1136;
        case 9:
            return 1146;
        case 10:
            return 1156;
        case 11:
            return 1159;
        case 12:
            return 1162;
        case 13:
            return 1165;
        case 14:
            return 1168;
        case 15:
            return 1170;
        default:
            return 0;
    }
}

bool CWndPopup::Create(platform::Window* owner, const Rect& screenRect, uint32_t notifyMessage,
                       int ownerControlId) {
    notifyMessage_ = notifyMessage;
    ownerControlId_ = ownerControlId;
    requestedPos_ = QPoint(screenRect.left, screenRect.top);
    if (!create(platform::WindowKind::Popup, owner, ToQRect(screenRect))) return false;
    BuildItems();
    Layout();
    invalidate();
    move(requestedPos_);
    show(true);
    return true;
}

int CWndPopup::AddItem(const Text& text, int itemId, bool hasSubmenu) {
    PopupItem item;
    item.itemId = itemId;
    item.text = text;
    item.hasSubmenu = hasSubmenu;
    items_.push_back(std::move(item));
    Layout();
    return static_cast<int>(items_.size());
}

int CWndPopup::AddSeparator() {
    PopupItem item;
    item.isSeparator = true;
    items_.push_back(std::move(item));
    Layout();
    return static_cast<int>(items_.size());
}

void CWndPopup::SetDesignWidth(int designWidth) {
    designWidth_ = designWidth;
    Layout();
}

void CWndPopup::Layout() {
    const double s = Env().uiScale;
    const int left = static_cast<int>(s);
    const int right = static_cast<int>((designWidth_ - 1) * s);
    double y = s;
    for (PopupItem& item : items_) {
        if (item.isSeparator) {
            item.rect = {left, static_cast<int>(y + 2 * s), right, static_cast<int>(y + 3 * s)};
            y += 4 * s;
        } else {
            item.rect = {left, static_cast<int>(y), right,
                         static_cast<int>(y + kDesignItemHeight * s)};
            y += kDesignItemHeight * s;
        }
    }
    resize(QSize(static_cast<int>(designWidth_ * s), static_cast<int>(y + s)));
}

void CWndPopup::LoadItemImages(const std::string& normal, const std::string& hover,
                               const std::string& normalSub, const std::string& hoverSub) {
    itemImages_ = {LoadSkinImage(normal), LoadSkinImage(hover), LoadSkinImage(normalSub),
                   LoadSkinImage(hoverSub)};
}

void CWndPopup::ChooseCurrent(const Text& text, std::array<uint8_t, 3> code) {
    choice_.text = text;
    choice_.code = code;
    SendToOwner(notifyMessage_, static_cast<uintptr_t>(ownerControlId_),
                reinterpret_cast<intptr_t>(&choice_));
}

intptr_t CWndPopup::SendToOwner(uint32_t message, uintptr_t wparam, intptr_t lparam) {
    return owner() != nullptr ? owner()->send(message, wparam, lparam) : 0;
}

void CWndPopup::onPaint(QPainter& painter, const QRect& clip) {
    const QRect client = clientRect();
    painter.fillRect(client, Qt::black);
    DrawItems(painter, client);
    DrawItemsOver(painter, client);
}

void CWndPopup::DrawStandardItems(QPainter& painter) {
    const unsigned format = kTextCenter | kTextVCenter | kTextSingleLine | kTextWordEllipsis;
    for (size_t i = 0; i < items_.size(); ++i) {
        const PopupItem& item = items_[i];
        const QRect rect = ToQRect(item.rect);
        if (item.isSeparator) {
            painter.fillRect(rect, ToQColor(kSeparatorColour));
            continue;
        }
        const bool hot = static_cast<int>(i) == hotItem_;
        itemImages_[(item.hasSubmenu ? 2 : 0) + (hot ? 1 : 0)].draw(painter, rect, kItemSource);
        DrawText(painter, font_, item.text, rect.adjusted(2, 0, -2, 0),
                 hot ? kHotTextColour : kTextColour, format);
    }
}

bool CWndPopup::StandardHover(const QPoint& point) {
    if (hotItem_ >= 0 && hotItem_ < static_cast<int>(items_.size()) &&
        items_[hotItem_].rect.contains(point.x(), point.y())) {
        return false;
    }
    const int old = hotItem_;
    hotItem_ = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!items_[i].isSeparator && items_[i].rect.contains(point.x(), point.y())) {
            hotItem_ = static_cast<int>(i);
            break;
        }
    }
    return old != hotItem_;
}

int CWndPopup::StandardChosenIndex(const QPoint& point) {
    if (hotItem_ >= 0 && hotItem_ < static_cast<int>(items_.size()) &&
        items_[hotItem_].rect.contains(point.x(), point.y())) {
        return hotItem_;
    }
    hotItem_ = -1;
    invalidate();
    return -1;
}

void CWndPopup::onMouse(const platform::MouseEvent& event) {
    const QPoint point(event.x, event.y);
    switch (event.action) {
        case platform::MouseAction::Move:
            if (!tracking_) {
                trackMouse(kHoverDelayMs);
                tracking_ = true;
            }
            if (!leftHeld_ && OnHover(point)) invalidate();
            break;
        case platform::MouseAction::Hover:
            if (OnHover(point)) invalidate();
            break;
        case platform::MouseAction::Leave:
            tracking_ = false;
            if (!leftHeld_ && OnHover(point)) invalidate();
            break;
        case platform::MouseAction::LeftDown:
            leftHeld_ = true;
            if (!captured_) {
                setCapture(true);
                captured_ = true;
            }
            if (OnPress(point)) invalidate();
            break;
        case platform::MouseAction::LeftUp:
            if (captured_) {
                captured_ = false;
                setCapture(false);
            }
            leftHeld_ = false;
            if (OnChoose(point)) invalidate();
            break;
        case platform::MouseAction::RightUp:
            OnRightClick(point);
            break;
        default:
            break;
    }
}

void CWndPopup::onActivationLost() {
    if (const uint32_t message = DeactivationMessage(kind_)) {
        SendToOwner(message, static_cast<uintptr_t>(ownerControlId_), kind_);
    }
}

void CWndPopup::onCloseRequest() {
    if (auto* dialog = dynamic_cast<CDlgBase*>(owner())) dialog->ForgetPopup(this);
    SendToOwner(kClosedMessage, 0, 0);
    // Closing the active popup takes the activation from it first, as any window that goes.
    if (isActive()) onActivationLost();
    destroy();
    delete this;
}

void CWndPopup::onOwnerGone() {
    destroy();
    delete this;
}

}  // namespace vexmo::ui
