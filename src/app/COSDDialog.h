// The on-screen display: a small translucent panel in the bottom-right corner of the screen that
// shows the DPI level, its resolution and the polling rate after the mouse changed them.
#pragma once

#include <QFont>

#include "app/OsdTexts.h"
#include "platform/Window.h"

namespace vexmo {

class COSDDialog : public platform::Window {
public:
    static constexpr int kDesignWidth = 180;
    static constexpr int kDesignHeight = 140;
    static constexpr int kAlpha = 128;  // of 255

    COSDDialog();
    ~COSDDialog() override;

    // Makes the window, translucent and topmost, in the bottom-right corner of the work area,
    // and shows it without taking the focus. False when it could not be made.
    bool Open(const OsdTexts& texts);
    // Replaces the texts and repaints.
    void SetTexts(const OsdTexts& texts);
    const OsdTexts& texts() const { return texts_; }

    // The window's screen rectangle for a work area at the current UiScale.
    static QRect Placement(const QRect& workArea);
    // Window pixels of the top-left corners of the three texts for these texts and the face.
    struct Layout {
        QPoint level;
        QPoint value;
        QPoint rate;
    };
    static Layout LayoutFor(const OsdTexts& texts, const Text& face);

    void onPaint(QPainter& painter, const QRect& clip) override;

private:
    OsdTexts texts_;
    QFont small_;
    QFont large_;
};

}  // namespace vexmo
