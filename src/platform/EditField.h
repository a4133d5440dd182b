// A one-line platform text field placed in a window (fire key values, names, DPI value, loop
// count). Its owner window hears of text changes (onEditChanged) and typed characters (filterKey).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "base/Text.h"

namespace vexmo::platform {

class EditField {
public:
    virtual ~EditField() = default;

    int id() const { return id_; }

    virtual Text text() const = 0;
    virtual void setText(const Text& text) = 0;  // also reports a change to the owner
    virtual void setSelection(int start, int end) = 0;
    virtual void selectAll() = 0;
    virtual void caretToEnd() = 0;
    virtual void setFocus() = 0;
    virtual bool hasFocus() const = 0;
    virtual void setGeometry(const QRect& clientRect) = 0;
    virtual QRect geometry() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setFont(const QFont& font) = 0;
    virtual void setColours(const QColor& text, const QColor& background) = 0;
    virtual void setCentred(bool centred) = 0;
    // Selection as [start, end) character positions.
    virtual std::pair<int, int> selection() const = 0;

protected:
    explicit EditField(int id) : id_(id) {}

private:
    int id_;
};

}  // namespace vexmo::platform
