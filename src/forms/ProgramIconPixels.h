#pragma once
// The program icon's window sizes as pixels, written from its PNG files by a
// build step (tools/icon_pixels.cpp).

#include <cstdint>
#include <span>

namespace forms
{

struct IconPixels {
    int size;                  // width and height
    const std::uint32_t* argb; // premultiplied ARGB, row by row
};

extern const std::span<const IconPixels> ProgramIconPixels;

} // namespace forms
