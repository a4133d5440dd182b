// Base of the small secondary dialogs: a frame picture stretched over the whole window, the
// class name the platform knows the window by, the OK and cancel results (DoModal returns one),
// the Enter and Escape keys, and helpers that place the usual controls at design rectangles.
#pragma once

#include <string>

#include "base/Colour.h"
#include "base/Rect.h"
#include "base/Text.h"
#include "ui/CDlgBase.h"
#include "ui/CImageButton.h"
#include "ui/CStaticText.h"
#include "ui/SkinImage.h"

namespace vexmo {

class CFramedDlg : public ui::CDlgBase {
public:
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;  // also what a close request of the window manager gives
    static constexpr int kCloseId = 2004;

    // Enter and Escape go to OnEnter and OnEscape and never reach the platform.
    bool filterKey(const platform::KeyEvent& event) override;

protected:
    // Sizes the window to the design size times UiScale and names it after the class.
    CFramedDlg(std::string className, int designWidth, int designHeight);

    // A design rectangle given by its edges, times UiScale, each coordinate truncated.
    static Rect Design(int left, int top, int right, int bottom);

    void SetFrame(ui::SkinImage frame) { frame_ = std::move(frame); }

    // The close button (2004, exit skins): ends the dialog with kCancel.
    ui::CImageButton* AddCloseButton(const Rect& rect);
    // A push button on the "button2" skins with a caption.
    ui::CImageButton* AddTextButton(int id, const Rect& rect, const Text& caption);
    // A static text; fontHeight 0 keeps the interface font, face empty means the interface face.
    ui::CStaticText* AddText(int id, const Rect& rect, const Text& label, Colour colour,
                             unsigned format, int fontHeight = 0, const Text& face = {});

    // Base colour, the frame over the whole client area, DrawContent, then the controls.
    void DrawBackground(QPainter& painter, const QRect& client) override;
    // The base colour and the frame as DrawBackground paints them, alone, at the window's size.
    QImage RenderFrame() const;
    // What a dialog draws between its frame and its controls.
    virtual void DrawContent(QPainter& painter) {}

    // Key hooks (key-down only); both do nothing unless a dialog says otherwise.
    virtual void OnEnter() {}
    virtual void OnEscape() {}

    // Ends the dialog with a result (releasing its images first).
    virtual void Finish(int result) { CloseDialog(result); }
    // A close request of the window manager ends the dialog with kCancel.
    void onCloseRequest() override { Finish(kCancel); }

    // Control notices: a click of the close button ends with kCancel; the others go to
    // OnControl with the control's identifier, the first parameter and the event code.
    intptr_t onMessage(const platform::Message& message) override;
    virtual void OnControl(int id, uintptr_t wparam, intptr_t event) {}

private:
    void DrawFrame(QPainter& painter, const QRect& client) const;

    ui::SkinImage frame_;
};

}  // namespace vexmo
