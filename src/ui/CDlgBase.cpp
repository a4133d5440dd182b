#include "ui/CDlgBase.h"

#include <algorithm>

#include "platform/Services.h"
#include "ui/CWndPopup.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo::ui {

namespace {
const Rect kNoRect{-1, -1, -1, -1};
constexpr int kHoverDelayMs = 1;
}  // namespace

const Text CDlgBase::kTitle = u"Tessik TK-508 Gaming mouse";

CDlgBase::CDlgBase() = default;

CDlgBase::~CDlgBase() {
    hot_ = nullptr;
    pressed_ = nullptr;
    // Popups still open go with their owner (see onOwnerGone); controls go before the window.
    for (auto& group : groups_)
        group.clear();
}

void CDlgBase::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
    if (exists()) resize(QSize(width, height));
}

bool CDlgBase::Create(platform::Window* owner) {
    if (!create(platform::WindowKind::Dialog, owner, QRect(0, 0, width_, height_))) return false;
    return OnInitDialog();
}

bool CDlgBase::OnInitDialog() {
    static const QImage icon = ApplicationIcon();
    setIcon(icon);
    setTitle(kTitle);
    dialogFont_ = MakeDialogFont(platform::services().logicalDpiY());
    resize(QSize(width_, height_));
    CreateControls(ToRect(clientRect()));
    // Centre over the owner, or on the usable screen area without one.
    const QRect around = owner() != nullptr ? owner()->geometry() : platform::services().workArea();
    QRect frame = geometry();
    frame.moveCenter(around.center());
    setGeometry(frame);
    show(true);
    return true;
}

int CDlgBase::DoModal(platform::Window* owner) {
    if (!Create(owner)) return -1;
    const int result = runModal();
    destroy();
    return result;
}

void CDlgBase::EndDialog(int result) {
    endModal(result);  // also ends a run that has not started yet (during initialisation)
    hide();
}

void CDlgBase::CloseDialog(int result) {
    ReleaseAllImages();
    EndDialog(result);
}

void CDlgBase::onCloseRequest() {
    CloseDialog(2);
}

CControlBase* CDlgBase::FindControl(int id) const {
    for (const auto& group : groups_) {
        for (const auto& control : group) {
            if (control->id() == id) return control.get();
        }
    }
    return nullptr;
}

void CDlgBase::AddControlImpl(int group, std::unique_ptr<CControlBase> control) {
    groups_.at(group).push_back(std::move(control));
}

void CDlgBase::ReleaseAllImages() {
    for (const auto& group : groups_) {
        for (const auto& control : group)
            control->ReleaseImages();
    }
}

bool CDlgBase::LoadBackgroundFromResource(int bitmapNumber) {
    return SetBackground(LoadResourceBitmap(bitmapNumber));
}

bool CDlgBase::LoadBackgroundFromFile(const std::string& relativePath) {
    return SetBackground(LoadSkinImage(relativePath));
}

bool CDlgBase::SetBackground(SkinImage image) {
    if (!image.ok()) return false;
    const double s = Env().uiScale;
    backgroundSize_ = image.size();
    // The image is compared with the window in design units: a main-window background drawn at
    // UiScale 2 is not "narrower" than a window of twice its size.
    const int w = backgroundSize_.width();
    const int h = backgroundSize_.height();
    trim_ = (w * s < width_ || h * s < height_) ? std::min(std::min(w, 100), h) : 0;

    const QImage& px = image.pixels();
    uint64_t red = 0, green = 0, blue = 0;
    for (int y = 0; y < px.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(px.constScanLine(y));
        for (int x = 0; x < px.width(); ++x) {
            red += qRed(line[x]);
            green += qGreen(line[x]);
            blue += qBlue(line[x]);
        }
    }
    const uint64_t count = static_cast<uint64_t>(px.width()) * px.height();
    baseColor_ = makeColour(static_cast<uint8_t>(red / count), static_cast<uint8_t>(green / count),
                            static_cast<uint8_t>(blue / count));

    const QSize target(static_cast<int>((w - trim_) * s), static_cast<int>((h - trim_) * s));
    if (px.size() == target && w == kMainDesignWidth && h == kMainDesignHeight) {
        // The decoded image is already the buffer (a 2x image at UiScale 2.0): share it.
        background_ = px;
        return true;
    }
    background_ = QImage(target.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    background_.fill(Qt::black);
    QPainter painter(&background_);
    image.draw(painter, QRect(QPoint(0, 0), target),
               QRect(0, 0, kMainDesignWidth, kMainDesignHeight));
    return true;
}

void CDlgBase::DrawBaseAndBackground(QPainter& painter, const QRect& client) {
    painter.fillRect(client, ToQColor(baseColor_));
    if (!background_.isNull()) painter.drawImage(0, 0, background_);
}

void CDlgBase::DrawBackground(QPainter& painter, const QRect& client) {
    DrawBaseAndBackground(painter, client);
    DrawControls(painter, client);
}

void CDlgBase::DrawControls(QPainter& painter, const QRect& rect) {
    const QRect limit = paintClip_.isNull() ? rect : rect.intersected(paintClip_);
    for (const auto& group : groups_) {
        for (const auto& control : group) {
            if (!control->displayed()) continue;
            const QRect area = control->qrect().intersected(limit);
            if (!area.isEmpty()) control->Draw(painter, area);
        }
    }
}

void CDlgBase::onPaint(QPainter& painter, const QRect& clip) {
    if (isMinimized()) return;
    paintClip_ = clip;
    DrawBackground(painter, clientRect());
    paintClip_ = QRect();
}

bool CDlgBase::RepaintsWholeWindow(int id) {
    return id == 2040 || (id >= 2049 && id <= 2053) || (id >= 3001 && id <= 3004) ||
           (id >= 3007 && id <= 3009);
}

CWndPopup* CDlgBase::Popup(int slot) const {
    return popups_.at(slot);
}

void CDlgBase::SetPopup(int slot, CWndPopup* popup) {
    ClosePopup(slot);
    popups_.at(slot) = popup;
}

void CDlgBase::ClosePopup(int slot) {
    CWndPopup* popup = popups_.at(slot);
    if (popup == nullptr) return;
    if (pressed_ != nullptr && pressed_ != hot_) {
        pressed_->CancelPress(0);
        pressed_ = nullptr;
    }
    popups_.at(slot) = nullptr;
    if (popup->exists()) {
        popup->postClose();  // the popup reports 1025, closes and deletes itself
    } else {
        delete popup;
    }
}

void CDlgBase::ForgetPopup(const CWndPopup* popup) {
    for (auto& slot : popups_) {
        if (slot == popup) slot = nullptr;
    }
}

template <class F>
void CDlgBase::ForEachEligible(F&& f) const {
    for (const auto& group : groups_) {
        for (const auto& control : group) {
            if (control->displayed() && control->interactive()) f(control.get());
        }
    }
}

void CDlgBase::onMouse(const platform::MouseEvent& event) {
    const unsigned flags = event.leftHeld ? kLeftButtonFlag : 0;
    switch (event.action) {
        case platform::MouseAction::Move:
            MouseMoved(flags, event.x, event.y);
            break;
        case platform::MouseAction::Leave:
            MouseLeft(flags);
            break;
        case platform::MouseAction::Hover:
            Hovered(event.x, event.y);
            break;
        case platform::MouseAction::LeftDown:
            LeftDown(flags, event.x, event.y);
            break;
        case platform::MouseAction::LeftUp:
            LeftUp(flags, event.x, event.y);
            break;
        case platform::MouseAction::RightUp:
            RightUp(flags, event.x, event.y);
            break;
        case platform::MouseAction::DoubleClick:
            DoubleClick(flags, event.x, event.y);
            break;
        case platform::MouseAction::RightDown:
            break;
    }
}

void CDlgBase::MouseMoved(unsigned flags, int x, int y) {
    if (!tracking_) {
        trackMouse(kHoverDelayMs);
        tracking_ = true;
    }
    if (hot_ != nullptr && hot_->rect().contains(x, y)) {
        lastPoint_ = QPoint(x, y);
        if (hot_->OnMouseMove(flags, x, y)) invalidate(hot_->qrect());
        return;
    }
    if (leftHeld_) {
        // The pressed control follows the pointer outside its rectangle too, so a dragged
        // slider thumb keeps moving when the pointer slips off the slider's narrow band.
        if (pressed_ != nullptr && pressed_->OnMouseMove(flags, x, y)) invalidate(pressed_->qrect());
        return;
    }
    lastPoint_ = QPoint(x, y);
    CControlBase* previous = hot_;
    CControlBase* found = nullptr;
    ForEachEligible([&](CControlBase* control) {
        control->OnMouseMove(flags, x, y);
        if (control->rect().contains(x, y)) found = control;
    });
    if (previous != nullptr) invalidate(previous->qrect());
    hot_ = found;
    if (found != nullptr) invalidate(found->qrect());
}

void CDlgBase::MouseLeft(unsigned flags) {
    tracking_ = false;
    if (leftHeld_ || hot_ == nullptr) return;
    hot_->OnMouseMove(flags, -1, -1);
    invalidate(hot_->qrect());
    hot_ = nullptr;
}

void CDlgBase::Hovered(int x, int y) {
    if (hot_ != nullptr && hot_->rect().contains(x, y)) {
        lastPoint_ = QPoint(x, y);
        invalidate(hot_->qrect());
    }
}

void CDlgBase::LeftDown(unsigned flags, int x, int y) {
    if (pressed_ != nullptr && pressed_ != hot_) {
        pressed_->CancelPress(0);
        pressed_ = nullptr;
    }
    if (hot_ != nullptr && hot_->rect().contains(x, y)) {
        leftHeld_ = true;
        pressed_ = hot_;
        pressedRect_ = hot_->rect();
        CControlBase* control = hot_;
        if (control->OnLButtonDown(flags, x, y)) invalidate(control->qrect());
        if (!captured_) {
            setCapture(true);
            captured_ = true;
        }
    } else {
        pressedRect_ = kNoRect;
        startSystemMove();
    }
}

void CDlgBase::LeftUp(unsigned flags, int x, int y) {
    if (captured_) {
        captured_ = false;
        setCapture(false);
    }
    leftHeld_ = false;
    if (CControlBase* control = hot_) {
        if (control->OnLButtonUp(flags, x, y)) {
            if (RepaintsWholeWindow(control->id())) {
                invalidate();
            } else {
                invalidate(control->qrect());
            }
        }
        const bool keep = pressedRect_.contains(x, y) || control->rect().contains(x, y);
        lastPoint_ = keep ? QPoint(x, y) : QPoint(-1, -1);
    }
    doubleClicked_ = false;
    pressedRect_ = kNoRect;
}

void CDlgBase::RightUp(unsigned flags, int x, int y) {
    for (const auto& control : groups_[0]) {
        if (control->displayed() && control->interactive() && control->rect().contains(x, y)) {
            if (hot_ != nullptr && hot_->OnRButtonUp(flags, x, y)) invalidate(hot_->qrect());
            return;
        }
    }
}

void CDlgBase::DoubleClick(unsigned flags, int x, int y) {
    if (hot_ == nullptr) return;
    CControlBase* found = nullptr;
    ForEachEligible([&](CControlBase* control) {
        if (found == nullptr && control->rect().contains(x, y)) found = control;
    });
    if (found == nullptr) return;
    CControlBase* control = hot_;
    if (control->OnLButtonDblClk(flags, x, y)) invalidate(control->qrect());
    pressedRect_ = found->rect();
    doubleClicked_ = true;
}

}  // namespace vexmo::ui
