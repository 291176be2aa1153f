// The main window as the user meets it at 96 dpi: frame, size, place, the 30
// components where the layout puts them, keyboard order, the result fields and
// the fonts.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "dolvane_app.h"
#include "screenshot.h"

namespace e2e {
namespace {

class Layout : public ::testing::Test {
 protected:
  Dolvane app_;
};

TEST_F(Layout, FixedFrameWithMinimiseButtonOnly) {
  const auto style = static_cast<DWORD>(GetWindowLongW(app_.Window(), GWL_STYLE));
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST_F(Layout, ClientAreaIs680By400AndCentredOnScreen) {
  RECT client{};
  GetClientRect(app_.Window(), &client);
  EXPECT_EQ(client.right, 680);
  EXPECT_EQ(client.bottom, 400);

  // Centred: the screen's centre lies between the centres of the client area
  // and of the whole window (the frame and title bar make the two differ).
  RECT outer{};
  GetWindowRect(app_.Window(), &outer);
  POINT origin{0, 0};
  ClientToScreen(app_.Window(), &origin);
  const int screenX = GetSystemMetrics(SM_CXSCREEN) / 2, screenY = GetSystemMetrics(SM_CYSCREEN) / 2;
  const int clientX = origin.x + 340, clientY = origin.y + 200;
  const int outerX = (outer.left + outer.right) / 2, outerY = (outer.top + outer.bottom) / 2;
  EXPECT_LE(std::min(clientX, outerX) - 1, screenX);
  EXPECT_GE(std::max(clientX, outerX) + 1, screenX);
  EXPECT_LE(std::min(clientY, outerY) - 1, screenY);
  EXPECT_GE(std::max(clientY, outerY) + 1, screenY);
}

TEST_F(Layout, EveryComponentStandsWhereTheLayoutPutsIt) {
  for (const Component& c : kComponents) {
    SCOPED_TRACE(c.name);
    HWND hwnd = app_.Control(c.name);
    ASSERT_NE(hwnd, nullptr);
    HWND parent = app_.Control(c.parent);
    EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), parent);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    if (ClassName(c.role) == "TEdit") {
      EXPECT_EQ(ClassOf(hwnd), L"Edit");
    } else if (ClassName(c.role) == "TLabel") {
      EXPECT_EQ(ClassOf(hwnd), L"Static");
    }

    const RECT r = RectIn(hwnd, parent);
    EXPECT_EQ(r.left, c.left);
    EXPECT_EQ(r.top, c.top);
    if (SizedByText(c.role)) {
      EXPECT_GT(r.right - r.left, 0);
      EXPECT_GT(r.bottom - r.top, 0);
    } else {
      EXPECT_EQ(r.right - r.left, c.width);
      EXPECT_EQ(r.bottom - r.top, c.height);
    }
  }
}

// The control that has the keyboard focus in the program's GUI thread.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void PressKey(WORD virtualKey, bool shift) {
  std::vector<INPUT> inputs;
  const auto key = [&](WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  if (shift) key(VK_SHIFT, false);
  key(virtualKey, false);
  key(virtualKey, true);
  if (shift) key(VK_SHIFT, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Clicks into the field, as the user does to start typing there.
void ClickInto(HWND edit) {
  SetForegroundWindow(GetAncestor(edit, GA_ROOT));
  PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

TEST_F(Layout, TabVisitsTheSixInputsInOrderAndShiftTabGoesBack) {
  const std::vector<std::string> order{"edtAR", "edtAX", "edtBR1", "edtBX1", "edtBR2", "edtBX2"};
  ClickInto(app_.Control("edtAR"));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(app_.Window()) == app_.Control("edtAR"); }, kActionTimeoutMs));

  const auto expectFocusMovesTo = [&](const std::string& name, bool shift) {
    PressKey(VK_TAB, shift);
    const bool moved = WaitUntil([&] { return FocusOf(app_.Window()) == app_.Control(name); }, kActionTimeoutMs);
    EXPECT_TRUE(moved) << (shift ? "Shift+Tab" : "Tab") << " should reach " << name << ", focus is on control "
                       << GetDlgCtrlID(FocusOf(app_.Window()));
    return moved;
  };
  for (std::size_t i = 1; i <= order.size(); ++i)
    if (!expectFocusMovesTo(order[i % order.size()], false)) return;
  for (std::size_t i = order.size(); i-- > 0;)
    if (!expectFocusMovesTo(order[i], true)) return;
}

TEST_F(Layout, InputFieldsAreEditableTabStopsInTheNormalFont) {
  for (const Component& c : kComponents) {
    if (c.role != Role::Input) continue;
    SCOPED_TRACE(c.name);
    const auto style = static_cast<DWORD>(GetWindowLongW(app_.Control(c.name), GWL_STYLE));
    EXPECT_FALSE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_EQ(style & (ES_RIGHT | ES_CENTER), 0u);
  }
}

TEST_F(Layout, ResultFieldsAreReadOnlyRightAlignedAndOutOfTheTabOrder) {
  for (const Component& c : kComponents) {
    if (c.role != Role::Result) continue;
    SCOPED_TRACE(c.name);
    const auto style = static_cast<DWORD>(GetWindowLongW(app_.Control(c.name), GWL_STYLE));
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_EQ(style & (ES_RIGHT | ES_CENTER), static_cast<DWORD>(ES_RIGHT));
    EXPECT_FALSE(style & WS_TABSTOP);
  }
}

// The number of dark pixels that the screen shows inside the field: the ink of
// its text.
int InkIn(HWND edit) {
  RECT client{};
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const std::optional<Capture> c = CaptureScreen(client);
  if (!c) return -1;
  int ink = 0;
  for (std::size_t i = 0; i < c->bgra.size(); i += 4) ink += c->bgra[i] + c->bgra[i + 1] + c->bgra[i + 2] < 3 * 128;
  return ink;
}

// Brings the window's current look to the screen.
void Repaint(HWND window) {
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Responds(window, 5000);
  Sleep(300);
}

TEST_F(Layout, ResultFieldsShowTheirTextInBold) {
  // The same texts first in input fields (normal font), then as results: bold
  // strokes put more ink on the screen. Font handles cannot be compared across
  // processes, so the screen is what is compared.
  app_.Type("edtBR1", L"5,0");
  app_.Type("edtBX1", L"7,1");
  Repaint(app_.Window());
  const int normal5 = InkIn(app_.Control("edtBR1")), normal7 = InkIn(app_.Control("edtBX1"));

  app_.Replace("edtBR1", L"3");
  app_.Replace("edtBX1", L"4");
  for (auto [field, text] : {std::pair{"edtAR", L"3"}, {"edtAX", L"4"}, {"edtBR2", L"6"}, {"edtBX2", L"8"}})
    app_.Type(field, text);
  ASSERT_EQ(app_.Text("edtAZ"), L"5,0");
  ASSERT_EQ(app_.Text("edtBZ"), L"7,1");
  Repaint(app_.Window());
  const int bold5 = InkIn(app_.Control("edtAZ")), bold7 = InkIn(app_.Control("edtBZ"));

  ASSERT_GT(normal5, 0);
  ASSERT_GT(normal7, 0);
  EXPECT_GT(bold5 * 4, normal5 * 5) << "\"5,0\": " << bold5 << " dark pixels in edtAZ, " << normal5 << " as input";
  EXPECT_GT(bold7 * 4, normal7 * 5) << "\"7,1\": " << bold7 << " dark pixels in edtBZ, " << normal7 << " as input";
}

// Under Wine the fonts come from the prefix, not the program. The build's
// prefixes resolve the message font to DejaVu Sans, which has the subscript
// digits, and its bold to DejaVu Sans Bold, whatever fonts the host has
// besides. They also have Marlett, in which Wine draws the buttons of a frame
// it draws itself (on an X server without a window manager); without it the
// buttons show the letters "0", "1" and "r" in some other font of the host.
TEST(WindowFonts, AreTheSameOnEveryHost) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  struct Case {
    const wchar_t* face;  // nullptr: the message font's own face
    LONG weight;
    const wchar_t* expected;
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (const Case& c : {Case{nullptr, FW_NORMAL, L"DejaVu Sans"}, Case{nullptr, FW_BOLD, L"DejaVu Sans Bold"},
                        Case{L"Marlett", FW_NORMAL, L"Marlett"}}) {
    LOGFONTW font = metrics.lfMessageFont;
    font.lfWeight = c.weight;
    if (c.face) {
      font.lfCharSet = SYMBOL_CHARSET;
      lstrcpynW(font.lfFaceName, c.face, LF_FACESIZE);
    }
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(dc, handle);
    std::vector<char> outline(GetOutlineTextMetricsW(dc, 0, nullptr));
    ASSERT_GT(outline.size(), sizeof(OUTLINETEXTMETRICW));
    auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(outline.data());
    GetOutlineTextMetricsW(dc, static_cast<UINT>(outline.size()), otm);
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(outline.data() + reinterpret_cast<UINT_PTR>(otm->otmpFaceName)),
                 c.expected);
    SelectObject(dc, old);
    DeleteObject(handle);
  }
  DeleteDC(dc);
}

TEST_F(Layout, EmptyWindowScreenshot) {
  Repaint(app_.Window());
  EXPECT_TRUE(SaveWindowPng(app_.Window(), ArtifactPath("empty-window.png")));
}

}  // namespace
}  // namespace e2e
