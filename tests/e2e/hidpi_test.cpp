// At 144 dpi the window scales its stored layout by 1.5 before it is shown.
// Runs in a Wine prefix of its own whose screen is set to 144 dpi.
#include <gtest/gtest.h>

#include "dolvane_app.h"

namespace e2e {
namespace {

int Scaled(int pixels) { return pixels * 3 / 2; }

TEST(HighDpi, LayoutIsScaledByOneAndAHalf) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(dpi, 144) << "this test needs a screen of 144 dpi";

  Dolvane app;
  RECT client{};
  GetClientRect(app.Window(), &client);
  EXPECT_EQ(client.right, 1020);
  EXPECT_EQ(client.bottom, 600);

  for (const Component& c : kComponents) {
    SCOPED_TRACE(c.name);
    HWND hwnd = app.Control(c.name);
    ASSERT_NE(hwnd, nullptr);
    const RECT r = RectIn(hwnd, app.Control(c.parent));
    EXPECT_EQ(r.left, Scaled(c.left));
    EXPECT_EQ(r.top, Scaled(c.top));
    // Fields keep the height that their font gives; the fixed boxes scale whole.
    if (ClassName(c.role) == "TEdit") {
      EXPECT_EQ(r.right - r.left, Scaled(c.width));
    } else if (!SizedByText(c.role)) {
      EXPECT_EQ(r.right - r.left, Scaled(c.width));
      EXPECT_EQ(r.bottom - r.top, Scaled(c.height));
    }
  }
  EXPECT_EQ(app.Close(), 0);
}

}  // namespace
}  // namespace e2e
