// Base of every skinned window except popups: paints a background and its windowless controls
// through the window's buffer, owns the controls in seven ordered groups, routes the mouse to
// them, lets the user drag the window by any point that is not a control, and keeps the popups
// it opened in numbered slots.
#pragma once

#include <QFont>
#include <QImage>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/Colour.h"
#include "platform/Window.h"
#include "ui/CControlBase.h"
#include "ui/SkinImage.h"

namespace vexmo::ui {

class CWndPopup;

class CDlgBase : public platform::Window {
public:
    static constexpr int kGroupCount = 7;
    static constexpr int kPopupSlotCount = 11;
    static constexpr Colour kDefaultBaseColor = 0xEFE2BA;
    static constexpr int kMainDesignWidth = 1127;
    static constexpr int kMainDesignHeight = 740;
    static const Text kTitle;

    CDlgBase();
    ~CDlgBase() override;

    // Window size in pixels (design size times UiScale); set before Create.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Creates the window (hidden until initialised) and runs OnInitDialog.
    bool Create(platform::Window* owner);
    // Create, run modally until EndDialog, destroy; returns the result.
    int DoModal(platform::Window* owner);
    // Initialisation: icon, title, dialog font, size, controls, centred over the owner, shown.
    virtual bool OnInitDialog();
    // Ends a modal run (or removes a modeless window) with this result.
    void EndDialog(int result);
    // A close or cancel button: ReleaseAllImages, then end with the result.
    void CloseDialog(int result);

    // Controls.
    CControlBase* FindControl(int id) const;
    template <class T>
    T* AddControl(int group, std::unique_ptr<T> control) {
        T* raw = control.get();
        AddControlImpl(group, std::move(control));
        return raw;
    }
    void ReleaseAllImages();
    const std::vector<std::unique_ptr<CControlBase>>& Group(int group) const {
        return groups_.at(group);
    }

    // Background image: its size, trim, average colour and the ready-scaled buffer.
    bool LoadBackgroundFromResource(int bitmapNumber);
    bool LoadBackgroundFromFile(const std::string& relativePath);
    Colour baseColor() const { return baseColor_; }
    void SetBaseColor(Colour colour) { baseColor_ = colour; }
    QSize backgroundSize() const { return backgroundSize_; }
    int trim() const { return trim_; }
    const QImage& backgroundBuffer() const { return background_; }
    // Fills the area with baseColor and copies the background buffer over it.
    void DrawBaseAndBackground(QPainter& painter, const QRect& client);

    // Popup slots.
    CWndPopup* Popup(int slot) const;
    // Stores a popup (made with new; it deletes itself when closed) in an empty slot.
    void SetPopup(int slot, CWndPopup* popup);
    // Cancels a press left by the popup, asks the popup to close and empties the slot.
    void ClosePopup(int slot);
    // Empties every slot that holds this popup (it is closing by itself).
    void ForgetPopup(const CWndPopup* popup);

    // Paint hooks: DrawBackground paints the background (default: base colour and background
    // buffer) and ends with DrawControls, which draws every displayed control that meets rect.
    virtual void DrawBackground(QPainter& painter, const QRect& client);
    virtual void DrawControls(QPainter& painter, const QRect& rect);
    // Creates the dialog's controls for the client rectangle.
    virtual void CreateControls(const Rect& client) {}

    const QFont& dialogFont() const { return dialogFont_; }
    CControlBase* hotControl() const { return hot_; }
    CControlBase* pressedControl() const { return pressed_; }
    bool trackingRequested() const { return tracking_; }
    QPoint lastPoint() const { return lastPoint_; }

    // Releasing the button on these controls repaints the whole window.
    static bool RepaintsWholeWindow(int id);

    void onPaint(QPainter& painter, const QRect& clip) override;
    void onMouse(const platform::MouseEvent& event) override;
    void onCloseRequest() override;

private:
    void AddControlImpl(int group, std::unique_ptr<CControlBase> control);
    bool SetBackground(SkinImage image);
    template <class F>
    void ForEachEligible(F&& f) const;
    void MouseMoved(unsigned flags, int x, int y);
    void MouseLeft(unsigned flags);
    void Hovered(int x, int y);
    void LeftDown(unsigned flags, int x, int y);
    void LeftUp(unsigned flags, int x, int y);
    void RightUp(unsigned flags, int x, int y);
    void DoubleClick(unsigned flags, int x, int y);

    int width_ = 2254;
    int height_ = 1480;
    QFont dialogFont_;
    Colour baseColor_ = kDefaultBaseColor;
    QSize backgroundSize_{100, 100};
    int trim_ = 0;
    QImage background_;
    std::array<std::vector<std::unique_ptr<CControlBase>>, kGroupCount> groups_;
    CControlBase* hot_ = nullptr;
    CControlBase* pressed_ = nullptr;
    QPoint lastPoint_{-1, -1};
    Rect pressedRect_{-1, -1, -1, -1};
    bool tracking_ = false;
    bool leftHeld_ = false;
    bool captured_ = false;
    bool doubleClicked_ = false;
    QRect paintClip_;
    std::array<CWndPopup*, kPopupSlotCount> popups_{};
};

}  // namespace vexmo::ui
