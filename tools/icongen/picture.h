// The program icon's artwork: a blue rounded square with a white "Z0" above a
// coaxial cable cut open in steps.
#pragma once

#include <cstdint>
#include <vector>

namespace icongen {

// A square picture with straight (not premultiplied) alpha, rows top to bottom,
// four bytes per pixel in the order blue, green, red, alpha.
struct Picture {
  int size = 0;
  std::vector<std::uint8_t> bgra;
};

// Draws the icon at size x size pixels, anti-aliased; sizes up to 16 get the
// simplified drawing (thicker strokes, no braid pattern).
Picture DrawIcon(int size);

}  // namespace icongen
