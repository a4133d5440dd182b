#include "app/OpenDialogList.h"

#include <algorithm>

#include "platform/Window.h"

namespace vexmo {

void OpenDialogList::Register(platform::Window* dialog) {
    if (!dialog || std::find(slots_.begin(), slots_.end(), dialog) != slots_.end()) return;
    const auto free = std::find(slots_.begin(), slots_.end(), nullptr);
    if (free != slots_.end()) *free = dialog;
}

void OpenDialogList::Unregister(platform::Window* dialog) {
    const auto at = std::find(slots_.begin(), slots_.end(), dialog);
    if (at == slots_.end() || !dialog) return;
    std::move(at + 1, slots_.end(), at);
    slots_.back() = nullptr;
}

void OpenDialogList::CloseAll() {
    // A dialog that closes leaves the list, so always take the first entry; the bound guards
    // against a dialog that refuses to close.
    for (size_t guard = 0; guard < kSlots && slots_[0] != nullptr; ++guard) {
        platform::Window* dialog = slots_[0];
        dialog->onCloseRequest();
        if (slots_[0] == dialog) Unregister(dialog);
    }
}

size_t OpenDialogList::size() const {
    return static_cast<size_t>(
        std::count_if(slots_.begin(), slots_.end(), [](auto* d) { return d != nullptr; }));
}

OpenDialogList& OpenDialogs() {
    static OpenDialogList list;
    return list;
}

}  // namespace vexmo
