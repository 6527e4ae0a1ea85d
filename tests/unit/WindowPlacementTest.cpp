// Where the project details dialog and the help window open beside the main window.
#include <gtest/gtest.h>

#include "components/WindowPlacement.h"

namespace tavo {
namespace {

TEST(PlaceBeside, RightOfTheMainWindowElseLeftElseWhereItHidesTheLeast) {
    const ScreenRect wide{0, 0, 1920, 1050};
    const ScreenRect small{0, 0, 1280, 770};
    const ScreenRect second{1920, 0, 1920, 1050};
    const struct {
        const char* Case;
        ScreenRect Main, Screen;
        int Width, Height;
        ScreenRect Expected;
    } cases[] = {
        {"room on the right", {100, 80, 616, 531}, wide, 526, 416, {716, 80, 526, 416}},
        {"room on the left only", {1200, 80, 616, 531}, wide, 526, 416, {674, 80, 526, 416}},
        {"on a second screen", {2000, 100, 616, 531}, second, 526, 416, {2616, 100, 526, 416}},
        {"top kept on the screen", {100, -40, 616, 531}, wide, 526, 416, {716, 0, 526, 416}},
        // No room on either side: the corner over the least of the main window.
        {"centred on a small screen", {332, 120, 616, 531}, small, 526, 416, {754, 0, 526, 416}},
        {"nearer the right", {500, 100, 616, 531}, small, 526, 416, {0, 354, 526, 416}},
        {"room below", {332, 0, 616, 300}, small, 780, 440, {500, 330, 780, 440}},
        {"larger than the screen", {332, 120, 616, 531}, small, 1400, 900, {0, 0, 1400, 900}},
    };
    for (const auto& c : cases) {
        const ScreenRect placed = PlaceBeside(c.Main, c.Width, c.Height, c.Screen);
        EXPECT_EQ(placed, c.Expected) << c.Case << ": got " << placed.X << "," << placed.Y;
    }
}

}  // namespace
}  // namespace tavo
