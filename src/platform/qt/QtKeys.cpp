#include "platform/qt/QtKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/KeyMap.h"

namespace vexmo::platform::qt {

namespace {
constexpr unsigned kEvdevOffset = 8;
}

int vkFromKeyValues(int qtKey, bool keypad, unsigned nativeScanCode, bool scanIsEvdev, bool sided) {
    if (scanIsEvdev && nativeScanCode > kEvdevOffset) {
        const int vk = vkFromEvdev(static_cast<int>(nativeScanCode - kEvdevOffset));
        if (vk != 0) return sided ? vk : genericVk(vk);
    }
    return vkFromQtKey(qtKey, keypad, sided);
}

int vkFromKeyEvent(const QKeyEvent& event, bool sided) {
    static const bool scanIsEvdev = QGuiApplication::platformName() == QLatin1String("xcb") ||
                                    QGuiApplication::platformName().startsWith("wayland");
    return vkFromKeyValues(event.key(), event.modifiers().testFlag(Qt::KeypadModifier),
                           event.nativeScanCode(), scanIsEvdev, sided);
}

}  // namespace vexmo::platform::qt
