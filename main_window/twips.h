// The window designs are measured in twips, 1/1440 inch: 15 twips are one
// logical pixel at 96 dots per inch.
#pragma once

#include <QRect>

namespace relwiz {

inline constexpr int twips_per_pixel = 15;

constexpr int twips_to_pixels(int twips)
{
    return twips / twips_per_pixel;
}

// Left, top, width and height in twips, relative to the container.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect to_pixels() const
    {
        return {twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                twips_to_pixels(height)};
    }
};

}  // namespace relwiz
