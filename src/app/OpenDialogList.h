// The ten-slot list of open secondary dialogs that are closed together with the program: a
// dialog registers when it initialises and leaves when it is destroyed; the filled slots always
// form a prefix, in opening order.
#pragma once

#include <array>
#include <cstddef>

namespace vexmo::platform {
class Window;
}

namespace vexmo {

class OpenDialogList {
public:
    static constexpr size_t kSlots = 10;

    // Takes the first empty slot; nothing happens when all ten are taken or it is listed already.
    void Register(platform::Window* dialog);
    // Clears the dialog's slot and moves the later entries one slot down.
    void Unregister(platform::Window* dialog);
    // Sends every listed dialog a close request, first to last, each handled before the next.
    void CloseAll();
    void Clear() { slots_.fill(nullptr); }

    size_t size() const;
    platform::Window* at(size_t i) const { return slots_[i]; }

private:
    std::array<platform::Window*, kSlots> slots_{};
};

// The program's list.
OpenDialogList& OpenDialogs();

}  // namespace vexmo
