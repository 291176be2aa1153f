#include "picture.h"

#include <algorithm>
#include <cmath>

namespace icongen {
namespace {

struct Colour {
  double r, g, b;
};

constexpr Colour kBlue{0x1E, 0x5A, 0xAA};
constexpr Colour kWhite{0xFF, 0xFF, 0xFF};
constexpr Colour kJacket{0x26, 0x26, 0x2A};
constexpr Colour kShield{0x9C, 0x9C, 0x9C};
constexpr Colour kBraid{0x6A, 0x6A, 0x6A};
constexpr Colour kDielectric{0xF2, 0xF2, 0xEE};
constexpr Colour kCopper{0xCD, 0x7F, 0x32};

struct Point {
  double x, y;
};

// Shape sizes in units of the picture's side; the simplified drawing thickens
// what would otherwise vanish at 16 pixels.
struct Style {
  double margin, corner, stroke, subStroke;
  Point zTopLeft, zBottomRight;  // the Z's box, along its stroke centres
  Point zeroCentre, zeroRadii;
  bool braid;
};

constexpr Style kDetailed{0.03, 0.19, 0.050, 0.032, {0.20, 0.14}, {0.56, 0.46}, {0.725, 0.385}, {0.085, 0.115}, true};
// At 16 pixels the strokes sit on pixel centres so that they stay crisp.
constexpr Style kSimple{0.0, 0.22, 0.045, 0.035, {3.5 / 16, 2.5 / 16}, {9.5 / 16, 7.5 / 16}, {12.5 / 16, 6.0 / 16},
                        {1.5 / 16, 2.0 / 16}, false};

// True when p lies inside the rounded square.
bool InRoundedSquare(Point p, const Style& s) {
  const double lo = s.margin, hi = 1.0 - s.margin, r = s.corner;
  if (p.x < lo || p.x > hi || p.y < lo || p.y > hi) return false;
  const double cx = std::clamp(p.x, lo + r, hi - r);
  const double cy = std::clamp(p.y, lo + r, hi - r);
  return std::hypot(p.x - cx, p.y - cy) <= r;
}

// True when p lies within halfWidth of the segment a-b (a stroke with round ends).
bool OnSegment(Point p, Point a, Point b, double halfWidth) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)) <= halfWidth;
}

// True when p lies on the outline of the ellipse (centre c, radii rx, ry).
bool OnEllipse(Point p, Point c, double rx, double ry, double halfWidth) {
  const auto inside = [&](double ax, double ay) {
    const double u = (p.x - c.x) / ax, v = (p.y - c.y) / ay;
    return u * u + v * v <= 1.0;
  };
  return inside(rx + halfWidth, ry + halfWidth) && !inside(rx - halfWidth, ry - halfWidth);
}

// The glyphs "Z" and a subscript "0", stroked.
bool InSymbol(Point p, const Style& s) {
  const Point tl = s.zTopLeft, br = s.zBottomRight, tr{br.x, tl.y}, bl{tl.x, br.y};
  if (OnSegment(p, tl, tr, s.stroke) || OnSegment(p, tr, bl, s.stroke) || OnSegment(p, bl, br, s.stroke))
    return true;
  return OnEllipse(p, s.zeroCentre, s.zeroRadii.x, s.zeroRadii.y, s.subStroke);
}

bool InBand(Point p, double right, double halfHeight) {
  constexpr double kAxis = 0.72;
  return p.x <= right && std::abs(p.y - kAxis) <= halfHeight;
}

// The colour of the cable at p, or nullptr where the cable does not cover p.
// Each layer is shorter and thicker than the one inside it.
const Colour* CableAt(Point p, const Style& s) {
  if (InBand(p, 0.36, 0.150)) return &kJacket;
  if (InBand(p, 0.56, 0.115)) {
    if (s.braid) {
      const double period = 0.045;
      const double u = std::fmod(p.x + p.y + 4.0, period) / period;
      const double v = std::fmod(p.x - p.y + 4.0, period) / period;
      if (u < 0.28 || v < 0.28) return &kBraid;
    }
    return &kShield;
  }
  if (InBand(p, 0.76, 0.080)) return &kDielectric;
  if (InBand(p, 0.93, s.braid ? 0.032 : 0.045)) return &kCopper;
  return nullptr;
}

// The colour at one point of the picture; nullptr where it is transparent.
const Colour* ColourAt(Point p, const Style& s) {
  if (!InRoundedSquare(p, s)) return nullptr;
  if (const Colour* c = CableAt(p, s)) return c;
  if (InSymbol(p, s)) return &kWhite;
  return &kBlue;
}

std::uint8_t Channel(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

Picture DrawIcon(int size) {
  const Style& style = size <= 16 ? kSimple : kDetailed;
  const int grid = size <= 48 ? 8 : 4;  // subsamples per pixel along each axis
  Picture pic{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4)};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0;
      int covered = 0;
      for (int sy = 0; sy < grid; ++sy) {
        for (int sx = 0; sx < grid; ++sx) {
          const Point p{(x + (sx + 0.5) / grid) / size, (y + (sy + 0.5) / grid) / size};
          if (const Colour* c = ColourAt(p, style)) {
            r += c->r;
            g += c->g;
            b += c->b;
            ++covered;
          }
        }
      }
      std::uint8_t* px = &pic.bgra[(static_cast<std::size_t>(y) * size + x) * 4];
      if (covered == 0) continue;  // stays fully transparent black
      px[0] = Channel(b / covered);
      px[1] = Channel(g / covered);
      px[2] = Channel(r / covered);
      px[3] = Channel(255.0 * covered / (grid * grid));
    }
  }
  return pic;
}

}  // namespace icongen
