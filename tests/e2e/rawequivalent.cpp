// Dolvane's window written directly against Win32, without the component
// framework: the same fixed-size, centred window with a 680 x 400 client area
// and the same 30 controls (two group boxes, 20 labels, 8 edit fields) with
// their texts, places, sizes, styles and fonts, scaled to the screen's
// density, all taken from the tests' description of the window. Nothing is
// computed. The start-up benchmark measures Dolvane against it, started the
// same way.
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "expected/main_window.h"

namespace {

// A component's text in UTF-16, as Win32 takes it; empty for one without.
// Plain Win32 and a buffer, so that the program stays as small as it would
// be without the tests' description of the window.
void TextOf(std::string_view component, wchar_t (&text)[512]) {
  text[0] = L'\0';
  for (const expected::Text& t : expected::kTexts) {
    if (t.component == component) MultiByteToWideChar(CP_UTF8, 0, t.utf8, -1, text, 512);
  }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

using expected::Role;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  // The message font, normal and bold, and the screen's density.
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  if (ncm.lfMessageFont.lfHeight == 0) ncm.lfMessageFont.lfHeight = -MulDiv(9, dpi, 72);
  HFONT font = CreateFontIndirectW(&ncm.lfMessageFont);
  ncm.lfMessageFont.lfWeight = FW_BOLD;
  HFONT bold = CreateFontIndirectW(&ncm.lfMessageFont);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(screen, &tm);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"DolvaneRawEquivalent";
  if (!RegisterClassExW(&wc)) return 1;

  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  wchar_t text[512];
  TextOf(expected::kFormName, text);
  RECT r{0, 0, scaled(680), scaled(400)};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_CONTROLPARENT);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, text, style, x, y, width, height, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return 1;

  // The controls stand on the window itself; a group box only draws the frame
  // around those that belong to it. Places inside a group box are measured
  // from the inside of its frame.
  struct Inside {
    const char* name;
    POINT origin;
  } inside[3] = {{expected::kFormName, POINT{0, 0}}};
  int containers = 1;
  HWND firstInput = nullptr;
  int id = 0;
  for (const expected::Component& c : expected::kComponents) {
    POINT origin{0, 0};
    for (int k = 0; k < containers; ++k) {
      if (c.parent == std::string_view(inside[k].name)) origin = inside[k].origin;
    }
    const int left = origin.x + scaled(c.left), top = origin.y + scaled(c.top);
    int h = scaled(c.height);
    const wchar_t* cls = L"Static";
    DWORD exStyle = 0, ctlStyle = WS_CHILD | WS_VISIBLE;
    switch (c.role) {
      case Role::Group:
        cls = L"Button";
        ctlStyle |= BS_GROUPBOX;
        inside[containers++] = Inside{c.name, POINT{left + scaled(2), top + tm.tmHeight + scaled(2)}};
        break;
      case Role::Label: ctlStyle |= SS_NOPREFIX | SS_LEFTNOWORDWRAP; break;
      case Role::Explanation: ctlStyle |= SS_NOPREFIX | SS_LEFT; break;
      case Role::Input:
      case Role::Result:
        cls = L"Edit";
        exStyle = WS_EX_CLIENTEDGE;
        ctlStyle |= ES_AUTOHSCROLL | (c.role == Role::Input ? WS_TABSTOP : ES_READONLY | ES_RIGHT);
        if (h < tm.tmHeight + scaled(8)) h = tm.tmHeight + scaled(8);
        break;
    }
    TextOf(c.name, text);
    HWND control = CreateWindowExW(exStyle, cls, text, ctlStyle, left, top, scaled(c.width), h, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)), instance, nullptr);
    if (!control) return 1;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(c.role == Role::Result ? bold : font), FALSE);
    if (c.role == Role::Input || c.role == Role::Result) {
      SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    }
    if (c.role == Role::Input && firstInput == nullptr) firstInput = control;
  }

  ShowWindow(hwnd, showCommand);
  UpdateWindow(hwnd);
  SetFocus(firstInput);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(hwnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DeleteObject(font);
  DeleteObject(bold);
  return 0;
}
