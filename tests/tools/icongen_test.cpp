// The icon generator: the exact file layout that Windows reads, and a picture
// that shows what it should (blue rounded square, white symbol above, the
// cable's colours below, soft edges).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ico.h"
#include "picture.h"
#include "scratch_dir.h"

namespace {

using icongen::Picture;

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

struct Rgba {
  int r, g, b, a;
};

Rgba PixelAt(const Picture& p, double fx, double fy) {
  const int x = static_cast<int>(fx * p.size), y = static_cast<int>(fy * p.size);
  const std::uint8_t* px = &p.bgra[(static_cast<std::size_t>(y) * p.size + x) * 4];
  return {px[2], px[1], px[0], px[3]};
}

bool Near(Rgba c, int r, int g, int b, int tolerance = 24) {
  return c.a == 255 && std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance &&
         std::abs(c.b - b) <= tolerance;
}

// Counts the opaque pixels of a region (fractions of the side) that satisfy pred.
template <class Pred>
int CountIn(const Picture& p, double x0, double y0, double x1, double y1, Pred pred) {
  int n = 0;
  for (int y = static_cast<int>(y0 * p.size); y < static_cast<int>(y1 * p.size); ++y)
    for (int x = static_cast<int>(x0 * p.size); x < static_cast<int>(x1 * p.size); ++x)
      if (pred(PixelAt(p, (x + 0.5) / p.size, (y + 0.5) / p.size))) ++n;
  return n;
}

class IconPicture : public ::testing::TestWithParam<int> {};

TEST_P(IconPicture, ShowsTheSquareTheSymbolAndTheCable) {
  const Picture p = icongen::DrawIcon(GetParam());
  ASSERT_EQ(p.size, GetParam());
  ASSERT_EQ(p.bgra.size(), static_cast<std::size_t>(p.size) * p.size * 4);

  EXPECT_EQ(PixelAt(p, 0, 0).a, 0) << "the rounded corner is transparent";
  EXPECT_EQ(PixelAt(p, 0.999, 0.999).a, 0);
  EXPECT_TRUE(Near(PixelAt(p, 0.12, 0.5), 0x1E, 0x5A, 0xAA, 2)) << "blue left of the symbol";

  const auto white = [](Rgba c) { return Near(c, 255, 255, 255, 8); };
  const auto blue = [](Rgba c) { return Near(c, 0x1E, 0x5A, 0xAA, 8); };
  EXPECT_GT(CountIn(p, 0, 0, 1, 0.5, white), p.size * p.size / 40) << "a white symbol in the upper half";
  EXPECT_GT(CountIn(p, 0, 0, 1, 0.5, blue), p.size * p.size / 8);
  EXPECT_EQ(CountIn(p, 0, 0.55, 1, 1, blue) > 0, true);

  // The cable across the lower half, from left to right: jacket, shield,
  // dielectric, inner conductor.
  const double axis = 0.72;
  const Rgba jacket = PixelAt(p, 0.2, axis), shield = PixelAt(p, 0.46, axis), dielectric = PixelAt(p, 0.66, axis),
             conductor = PixelAt(p, 0.85, axis);
  EXPECT_TRUE(jacket.a == 255 && jacket.r < 70 && jacket.g < 70 && jacket.b < 70) << "dark jacket";
  EXPECT_TRUE(shield.a == 255 && std::abs(shield.r - shield.b) < 12 && shield.r > 80 && shield.r < 200)
      << "grey shield";
  EXPECT_TRUE(Near(dielectric, 0xF0, 0xF0, 0xEE, 20)) << "white dielectric";
  EXPECT_TRUE(conductor.a == 255 && conductor.r > conductor.g + 40 && conductor.g > conductor.b + 30)
      << "copper conductor";
}

TEST_P(IconPicture, EdgesAreAntiAliased) {
  const Picture p = icongen::DrawIcon(GetParam());
  int partial = 0;
  for (std::size_t i = 3; i < p.bgra.size(); i += 4) partial += p.bgra[i] > 0 && p.bgra[i] < 255;
  EXPECT_GT(partial, 0);
  // Nothing inside the square is see-through.
  EXPECT_EQ(PixelAt(p, 0.5, 0.5).a, 255);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconPicture, ::testing::Values(16, 32, 48, 256));

TEST(IconFile, HoldsFourUncompressed32BitImagesWithoutMask) {
  std::vector<Picture> pictures;
  for (int side : {16, 32, 48, 256}) pictures.push_back(icongen::DrawIcon(side));
  const std::vector<std::uint8_t> ico = icongen::EncodeIco(pictures);

  const std::uint32_t bytes[] = {1064, 4136, 9256, 262184};
  ASSERT_EQ(ico.size(), 6u + 4 * 16 + 1064 + 4136 + 9256 + 262184);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);
  EXPECT_EQ(U16(ico, 4), 4u);
  std::uint32_t offset = 6 + 4 * 16;
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(pictures[i].size);
    const std::size_t e = 6 + 16 * i;
    const auto side = static_cast<std::uint32_t>(pictures[i].size);
    EXPECT_EQ(ico[e], side % 256) << "256 is stored as 0";
    EXPECT_EQ(ico[e + 1], side % 256);
    EXPECT_EQ(ico[e + 2], 0);
    EXPECT_EQ(ico[e + 3], 0);
    EXPECT_EQ(U16(ico, e + 4), 1u);
    EXPECT_EQ(U16(ico, e + 6), 32u);
    EXPECT_EQ(U32(ico, e + 8), bytes[i]);
    ASSERT_EQ(U32(ico, e + 12), offset);

    const std::uint32_t fields[] = {40, side, 2 * side, 1 | 32u << 16, 0, side * side * 4, 3780, 3780, 0, 0};
    for (std::size_t f = 0; f < 10; ++f) EXPECT_EQ(U32(ico, offset + 4 * f), fields[f]) << "header field " << f;

    // Bottom row first: image row r is the picture's row side - 1 - r. (The
    // corner pixels alone cannot show this: all four are transparent.)
    const std::size_t row = std::size_t{side} * 4;
    for (std::size_t r = 0; r < side; ++r) {
      const auto picture = pictures[i].bgra.begin() + static_cast<std::ptrdiff_t>((side - 1 - r) * row);
      const auto image = ico.begin() + static_cast<std::ptrdiff_t>(offset + 40 + r * row);
      ASSERT_TRUE(std::equal(picture, picture + static_cast<std::ptrdiff_t>(row), image)) << "image row " << r;
    }
    offset += bytes[i];
  }
}

TEST(IconTool, WritesTheIconFile) {
  const ScratchDir dir;
  const std::string out = dir / "dolvane.ico";
  ASSERT_EQ(std::system((std::string(ICONGEN_EXE) + " " + out).c_str()), 0);
  std::ifstream in(out, std::ios::binary);
  const std::vector<char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(file.size(), 6u + 4 * 16 + 1064 + 4136 + 9256 + 262184);

  EXPECT_NE(std::system((std::string(ICONGEN_EXE) + " > /dev/null 2>&1").c_str()), 0) << "no output named";
}

}  // namespace
