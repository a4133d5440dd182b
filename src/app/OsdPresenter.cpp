#include "app/OsdPresenter.h"

namespace vexmo {

OsdPresenter::OsdPresenter(platform::Window& mainWindow) : main_(mainWindow) {}

OsdPresenter::~OsdPresenter() {
    Close();
}

void OsdPresenter::Show(const ProfileRecord& profile, const DpiStepTable& steps) {
    Show(BuildOsdTexts(profile, steps));
}

void OsdPresenter::Show(const OsdTexts& texts) {
    // A display whose window has gone (closed from outside) is opened again.
    if (display_ != nullptr && display_->exists()) {
        display_->SetTexts(texts);
    } else {
        display_ = std::make_unique<COSDDialog>();
        if (!display_->Open(texts)) {
            display_.reset();
            return;
        }
        main_.setTimer(kTimerId, kTimerMs);
    }
    countdown_ = kCountdown;
}

void OsdPresenter::OnTimer50() {
    if (countdown_ > 0 && display_ != nullptr) {
        --countdown_;
        return;
    }
    Close();
}

void OsdPresenter::Close() {
    main_.killTimer(kTimerId);
    display_.reset();
    countdown_ = 0;
}

}  // namespace vexmo
