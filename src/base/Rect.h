// Integer rectangle with exclusive right and bottom edges, and design-unit scaling.
#pragma once

namespace vexmo {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    // Half-open hit test: left <= x < right and top <= y < bottom.
    bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool operator==(const Rect&) const = default;

    // From design units (x, y, width, height), each coordinate multiplied by scale and truncated.
    static Rect fromDesign(int x, int y, int w, int h, double scale) {
        return {static_cast<int>(x * scale), static_cast<int>(y * scale),
                static_cast<int>((x + w) * scale), static_cast<int>((y + h) * scale)};
    }
    // From design edges (left, top, right, bottom), each multiplied by scale and truncated.
    static Rect fromDesignEdges(int l, int t, int r, int b, double scale) {
        return {static_cast<int>(l * scale), static_cast<int>(t * scale),
                static_cast<int>(r * scale), static_cast<int>(b * scale)};
    }
};

}  // namespace vexmo
