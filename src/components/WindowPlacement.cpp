#include "components/WindowPlacement.h"

#include <algorithm>

namespace tavo {
namespace {

// The start of a window of length `size` at `wanted`, moved inside [low, high) as far as it
// fits; a window longer than the room starts at `low`.
int Clamp(int wanted, int size, int low, int high) {
    return std::max(low, std::min(wanted, high - size));
}

}  // namespace

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
    const long long width = std::min(a.Right(), b.Right()) - std::max(a.X, b.X);
    const long long height = std::min(a.Bottom(), b.Bottom()) - std::max(a.Y, b.Y);
    return width > 0 && height > 0 ? width * height : 0;
}

ScreenRect PlaceBeside(const ScreenRect& mainWindow, int width, int height,
                       const ScreenRect& screen) {
    const int top = Clamp(mainWindow.Y, height, screen.Y, screen.Bottom());
    if (mainWindow.Right() + width <= screen.Right())
        return {std::max(mainWindow.Right(), screen.X), top, width, height};
    if (mainWindow.X - width >= screen.X)
        return {std::min(mainWindow.X - width, screen.Right() - width), top, width, height};

    // No room on either side: against an edge of the screen, where the least is covered.
    // The candidates in order of preference; the first of equal ones wins.
    const int right = Clamp(screen.Right() - width, width, screen.X, screen.Right());
    const int left = screen.X;
    const int bottom = Clamp(screen.Bottom() - height, height, screen.Y, screen.Bottom());
    const ScreenRect candidates[] = {
        {right, top, width, height},      {left, top, width, height},
        {right, bottom, width, height},   {left, bottom, width, height},
        {right, screen.Y, width, height}, {left, screen.Y, width, height},
    };
    const ScreenRect* best = &candidates[0];
    for (const ScreenRect& candidate : candidates) {
        if (OverlapArea(candidate, mainWindow) < OverlapArea(*best, mainWindow)) best = &candidate;
    }
    return *best;
}

}  // namespace tavo
