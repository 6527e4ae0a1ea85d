#pragma once

namespace tavo {

// A rectangle on the desktop in pixels: a window's frame, or the part of a screen windows may
// use.
struct ScreenRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return X + Width; }  // one past the last column
    int Bottom() const { return Y + Height; }
    bool operator==(const ScreenRect&) const = default;
};

// The area two rectangles share, in square pixels.
long long OverlapArea(const ScreenRect& a, const ScreenRect& b);

// Where a window of the given frame size opens so that it hides as little as possible of the
// main window it explains: right of the main window where the screen has room, else left of
// it, else inside the screen where it covers the least of the main window. The top follows
// the main window's top as far as the screen allows. Gives the frame's top-left corner as a
// rectangle of the given size.
ScreenRect PlaceBeside(const ScreenRect& mainWindow, int width, int height,
                       const ScreenRect& screen);

}  // namespace tavo
