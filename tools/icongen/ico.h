// Icon file (.ico) writer for 32-bit images with alpha.
#pragma once

#include <cstdint>
#include <vector>

#include "picture.h"

namespace icongen {

// Encodes the pictures, in the given order, as an icon file whose images are
// uncompressed 32-bit bitmaps (header, bottom-up BGRA rows, no AND mask).
std::vector<std::uint8_t> EncodeIco(const std::vector<Picture>& pictures);

}  // namespace icongen
