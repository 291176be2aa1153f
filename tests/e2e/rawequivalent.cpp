// Dolvane's window written directly against Win32, without the component
// framework: the same fixed-size, centred window with a 680 x 400 client area
// and the same 30 controls (two group boxes, 20 labels, 8 edit fields) with
// their texts, places, sizes, styles and fonts, scaled to the screen's
// density. Nothing is computed. The start-up benchmark measures Dolvane
// against it, started the same way.
#include <windows.h>
#include <commctrl.h>

namespace {

enum Kind { kGroup, kLabel, kWrappedLabel, kInput, kResult };

struct Control {
  Kind kind;
  int group;  // 0: on the window; 1 or 2: inside that group box's frame
  int x, y, width, height;
  const wchar_t* text;
};

constexpr wchar_t kOhm[] = L"\x03A9";

// Places inside a group box are measured from the inside of its frame.
constexpr Control kControls[] = {
    {kGroup, 0, 8, 8, 664, 166, L"Metode A \x2013 kvartb\xF8lgeresonans"},
    {kWrappedLabel, 1, 12, 4, 636, 84,
     L"Kabelen er \xE5pen i enden. En \xE5pen kabel veksler mellom kapasitiv og induktiv reaktans. "
     L"Finn f\xF8rst kvartb\xF8lge-resonansfrekvensen; der har impedansen et lokalt minimum som ikke er "
     L"Z\x2080. M\xE5l s\xE5 R og X ved halvparten av den frekvensen, ikke ved selve resonansen. "
     L"Da er kabelen 1/8 b\xF8lgelengde lang, impedansen er nesten rent reaktiv, og |Z| er sv\xE6rt "
     L"n\xE6r Z\x2080.\r\nZ\x2080 \x2248 \x221A(R\xB2 + X\xB2)"},
    {kLabel, 1, 12, 104, 16, 15, L"R"},
    {kInput, 1, 36, 100, 80, 23, L""},
    {kLabel, 1, 120, 104, 12, 15, kOhm},
    {kLabel, 1, 170, 104, 16, 15, L"X"},
    {kInput, 1, 194, 100, 80, 23, L""},
    {kLabel, 1, 278, 104, 12, 15, kOhm},
    {kLabel, 1, 470, 104, 40, 15, L"Z\x2080 \x2248"},
    {kResult, 1, 516, 100, 90, 23, L""},
    {kLabel, 1, 610, 104, 12, 15, kOhm},
    {kGroup, 0, 8, 182, 664, 200, L"Metode B \x2013 \xE5pen og kortsluttet ende"},
    {kWrappedLabel, 2, 12, 4, 636, 84,
     L"M\xE5l samme kabel ved samme frekvens, f\xF8rst \xE5pen og s\xE5 kortsluttet i enden. "
     L"Virker ved enhver frekvens: Z\xE5pen \xB7 Zkort = Z\x2080\xB2 er en eksakt identitet, fordi "
     L"coth(\x03B3L) \xB7 tanh(\x03B3L) = 1. Siden |A \xB7 B| = |A| \xB7 |B| holder det \xE5 regne "
     L"med absoluttverdier.\r\n|Z\x2080| = \x221A(|Z\xE5pen| \xB7 |Zkort|)"},
    {kLabel, 2, 12, 104, 110, 15, L"\xC5pen kabel"},
    {kLabel, 2, 130, 104, 20, 15, L"R\x2081"},
    {kInput, 2, 156, 100, 80, 23, L""},
    {kLabel, 2, 240, 104, 12, 15, kOhm},
    {kLabel, 2, 278, 104, 20, 15, L"X\x2081"},
    {kInput, 2, 304, 100, 80, 23, L""},
    {kLabel, 2, 388, 104, 12, 15, kOhm},
    {kLabel, 2, 12, 136, 110, 15, L"Kortsluttet kabel"},
    {kLabel, 2, 130, 136, 20, 15, L"R\x2082"},
    {kInput, 2, 156, 132, 80, 23, L""},
    {kLabel, 2, 240, 136, 12, 15, kOhm},
    {kLabel, 2, 278, 136, 20, 15, L"X\x2082"},
    {kInput, 2, 304, 132, 80, 23, L""},
    {kLabel, 2, 388, 136, 12, 15, kOhm},
    {kLabel, 2, 470, 120, 40, 15, L"|Z\x2080| ="},
    {kResult, 2, 516, 116, 90, 23, L""},
    {kLabel, 2, 610, 120, 12, 15, kOhm},
};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

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
  RECT r{0, 0, scaled(680), scaled(400)};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_CONTROLPARENT);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"Dolvane for koaksialkabel 0.1.1", style, x, y,
                              width, height, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;

  // The controls stand on the window itself; a group box only draws the frame
  // around those that belong to it.
  POINT inside[3]{};
  HWND firstInput = nullptr;
  for (int i = 0; i < static_cast<int>(sizeof kControls / sizeof kControls[0]); ++i) {
    const Control& c = kControls[i];
    const int left = inside[c.group].x + scaled(c.x), top = inside[c.group].y + scaled(c.y);
    int h = scaled(c.height);
    const wchar_t* cls = L"Static";
    DWORD exStyle = 0, ctlStyle = WS_CHILD | WS_VISIBLE;
    switch (c.kind) {
      case kGroup:
        cls = L"Button";
        ctlStyle |= BS_GROUPBOX;
        inside[i == 0 ? 1 : 2] = POINT{left + scaled(2), top + tm.tmHeight + scaled(2)};
        break;
      case kLabel: ctlStyle |= SS_NOPREFIX | SS_LEFTNOWORDWRAP; break;
      case kWrappedLabel: ctlStyle |= SS_NOPREFIX | SS_LEFT; break;
      case kInput:
      case kResult:
        cls = L"Edit";
        exStyle = WS_EX_CLIENTEDGE;
        ctlStyle |= ES_AUTOHSCROLL | (c.kind == kInput ? WS_TABSTOP : ES_READONLY | ES_RIGHT);
        if (h < tm.tmHeight + scaled(8)) h = tm.tmHeight + scaled(8);
        break;
    }
    HWND control = CreateWindowExW(exStyle, cls, c.text, ctlStyle, left, top, scaled(c.width), h, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance, nullptr);
    if (!control) return 1;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(c.kind == kResult ? bold : font), FALSE);
    if (c.kind == kInput || c.kind == kResult) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    if (c.kind == kInput && firstInput == nullptr) firstInput = control;
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
