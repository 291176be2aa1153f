#include "ico.h"

namespace icongen {
namespace {

constexpr std::uint32_t kBitmapHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch
constexpr std::uint32_t kDirectoryHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint32_t ImageBytes(const Picture& p) {
  return kBitmapHeaderSize + static_cast<std::uint32_t>(p.size * p.size * 4);
}

// One image: the bitmap header (height doubled, as icons require) and the rows
// bottom first; the alpha channel stands in for the AND mask, so none follows.
void PutImage(std::vector<std::uint8_t>& out, const Picture& p) {
  const auto side = static_cast<std::uint32_t>(p.size);
  Put32(out, kBitmapHeaderSize);
  Put32(out, side);
  Put32(out, side * 2);
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, 0);   // BI_RGB
  Put32(out, side * side * 4);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, 0);  // colours used
  Put32(out, 0);  // colours important
  const std::size_t row = side * 4;
  for (std::size_t y = side; y-- > 0;) out.insert(out.end(), p.bgra.begin() + y * row, p.bgra.begin() + (y + 1) * row);
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<Picture>& pictures) {
  std::vector<std::uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // icon
  Put16(out, static_cast<std::uint32_t>(pictures.size()));
  std::uint32_t offset = kDirectoryHeaderSize + kDirectoryEntrySize * static_cast<std::uint32_t>(pictures.size());
  for (const Picture& p : pictures) {
    const auto side = static_cast<std::uint8_t>(p.size >= 256 ? 0 : p.size);  // 256 is stored as 0
    out.push_back(side);
    out.push_back(side);
    out.push_back(0);  // colour count: not a palette image
    out.push_back(0);  // reserved
    Put16(out, 1);     // planes
    Put16(out, 32);    // bits per pixel
    Put32(out, ImageBytes(p));
    Put32(out, offset);
    offset += ImageBytes(p);
  }
  for (const Picture& p : pictures) PutImage(out, p);
  return out;
}

}  // namespace icongen
