// Plain value types shared by forms, controls and back ends: colours and rectangles.
#pragma once

#include <cstdint>

namespace platform {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(Color, Color) = default;
};

// Geometry is kept in doubles because some motions step by fractions of a pixel; drawing rounds.
struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool contains(double x, double y) const
    {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    friend bool operator==(Rect const&, Rect const&) = default;
};

namespace colors {
inline constexpr Color black { 0, 0, 0 };
inline constexpr Color white { 255, 255, 255 };
inline constexpr Color red { 255, 0, 0 };
inline constexpr Color green { 0, 255, 0 };
inline constexpr Color yellow { 255, 255, 0 };
inline constexpr Color button_face { 192, 192, 192 };
}

}
