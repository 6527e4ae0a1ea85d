#pragma once

#include <string_view>

#include "reports/ReportLayout.h"

namespace tavo {

// How wide a text is and how far apart its lines are in a font, in micrometres on paper. The
// program measures with the fonts it paints with; the run only asks.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual Micrometres Width(std::string_view text, const TextFont& font) const = 0;
    virtual Micrometres LineHeight(const TextFont& font) const = 0;
};

// Every character 0.2 mm wide per point of the font, lines 0.4 mm apart per point: a 10-point
// character is 2 mm wide and its line 4 mm high. For tests and measurements of the run.
class FixedPitchMetrics final : public TextMetrics {
  public:
    static constexpr Micrometres kWidthPerPoint = 200;
    static constexpr Micrometres kLinePerPoint = 400;

    Micrometres Width(std::string_view text, const TextFont& font) const override {
        return static_cast<Micrometres>(text.size()) * font.Points * kWidthPerPoint;
    }
    Micrometres LineHeight(const TextFont& font) const override {
        return font.Points * kLinePerPoint;
    }
};

}  // namespace tavo
