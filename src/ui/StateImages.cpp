#include "ui/StateImages.h"

namespace vexmo::ui {

void StateImages::LoadStrip(const std::string& path, int slices) {
    strip_ = LoadSkinImage(path);
    slices_ = std::max(1, slices);
}

void StateImages::LoadStates(const std::string& normal, const std::string& hover,
                             const std::string& pressed) {
    const std::string* paths[] = {&normal, &hover, &pressed};
    for (int i = 0; i < 3; ++i) {
        states_[i] = paths[i]->empty() ? SkinImage() : LoadSkinImage(*paths[i]);
    }
}

void StateImages::SetState(int state, SkinImage image) {
    states_.at(state) = std::move(image);
}

void StateImages::Draw(QPainter& painter, const QRect& dst, int state) const {
    if (strip_.ok()) {
        const int slice = strip_.width() / slices_;
        const int index = std::clamp(state, 0, slices_ - 1);
        strip_.draw(painter, dst, QRect(slice * index, 0, slice, strip_.height()));
        return;
    }
    states_.at(std::clamp(state, 0, 2)).draw(painter, dst);
}

void StateImages::Release() {
    strip_.release();
    for (SkinImage& image : states_)
        image.release();
}

}  // namespace vexmo::ui
