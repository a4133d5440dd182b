#include "ui/CDPIRadioButton.h"

#include "platform/Window.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo::ui {

CDPIRadioButton::CDPIRadioButton(platform::Window* parent, int id, const Rect& rect, Text text,
                                 bool visible, bool shown, bool disabled)
    : CControlBase(parent, id, rect, std::move(text), visible, shown, disabled, true) {}

int CDPIRadioButton::Level() const {
    const int n = id() - kFirstId;
    return n >= 0 && n < 8 ? n : -1;
}

bool CDPIRadioButton::Selected() const {
    const int n = Level();
    return n >= 0 && (Env().masks.dpiLevel >> n) & 1;
}

void CDPIRadioButton::Draw(QPainter& painter, const QRect&) {
    images_.Draw(painter, qrect(), Selected() ? kStatePressed : state_);
    const QRect top(rect().left, rect().top, rect().width(), Scaled(11));
    DrawText(painter, font_, formatDec(static_cast<long long>(valueSteps_) * 50), top, textColour_,
             kTextCenter | kTextVCenter | kTextSingleLine);
}

bool CDPIRadioButton::OnLButtonUp(unsigned, int x, int y) {
    bool changed;
    if (!ReleasedInside(x, y, changed)) return changed;
    if (const int n = Level(); n >= 0) {
        const auto mask = static_cast<uint8_t>((1u << (n + 1)) - 1);
        // The other selectors change their look with the shared mask: repaint them all.
        if (mask != Env().masks.dpiLevel && parent() != nullptr) parent()->invalidate();
        Env().masks.dpiLevel = mask;
    }
    NotifyEvent(kClicked);
    return true;  // the mask may have changed the look
}

}  // namespace vexmo::ui
