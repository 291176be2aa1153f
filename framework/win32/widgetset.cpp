// Application-wide parts of the Win32 back end: start-up, resources, pixel
// density, fonts, the message loop.
#include <windows.h>
#include <commctrl.h>

#include "internal.h"
#include "utf.h"
#include "win32_widgetset.h"

namespace win32 {
namespace {

WidgetSet* g_current = nullptr;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

}  // namespace

std::wstring Wide(const std::string& text) {
  const std::u16string units = utf::ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

std::string Utf8(const wchar_t* text, int length) {
  return utf::ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length)));
}

WidgetSet& Current() { return *g_current; }

namespace {

// The manifest declares the program aware of the system's density, not of
// each monitor's: Windows shows it every monitor at the system density, which
// is the screen's and cannot change while the program runs. Asking per
// monitor (shcore.dll) would only load a library to learn the same number.
int SystemDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value;
  }();
  return dpi;
}

}  // namespace

int WindowDpi(HWND hwnd) {
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

WidgetSet::WidgetSet() : instance_(GetModuleHandleW(nullptr)) { g_current = this; }

WidgetSet::~WidgetSet() {
  if (appWindow_ != nullptr) DestroyWindow(appWindow_);
  if (measuringDc_ != nullptr) DeleteDC(measuringDc_);
  for (auto& [key, font] : fonts_) DeleteObject(font.handle);
  if (g_current == this) g_current = nullptr;
}

void WidgetSet::RegisterClasses() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);

  wc.lpfnWndProc = ApplicationProc;
  wc.lpszClassName = kApplicationClass;
  // Without a small icon of its own a class gets a copy made from the
  // resource at registration.
  wc.hIcon = bigIcon_;
  wc.hIconSm = smallIcon_;
  RegisterClassExW(&wc);

  wc.lpfnWndProc = FormProc;
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);

  wc.lpfnWndProc = GroupBoxProc;
  wc.lpszClassName = kGroupBoxClass;
  wc.hIcon = nullptr;
  wc.hIconSm = nullptr;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  RegisterClassExW(&wc);
}

void WidgetSet::AppInit(const std::string& title) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  messageFont_ = ncm.lfMessageFont;
  if (messageFont_.lfHeight == 0) messageFont_.lfHeight = -MulDiv(9, SystemDpi(), 72);

  bigIcon_ = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), LR_SHARED));
  smallIcon_ = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  RegisterClasses();
  // The application's own window: never shown, it carries the title and icon.
  // No caption style: nothing should take it for the program's visible window.
  appWindow_ = CreateWindowExW(0, kApplicationClass, Wide(title).c_str(), WS_POPUP,
                               0, 0, 0, 0, nullptr, nullptr, instance_, nullptr);
  if (appWindow_ == nullptr) throw Exception("Cannot create the application window");
}

// Called on WM_NCCREATE: the window system picks the icons up when it makes
// its own window for this one, instead of converting them again afterwards.
// The small icon goes first: a big icon without one makes the system shrink
// the big one into a small icon of its own.
void WidgetSet::SetIcons(HWND window) {
  if (smallIcon_ != nullptr) SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  if (bigIcon_ != nullptr) SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
}

void WidgetSet::AppSetTitle(const std::string& title) {
  if (appWindow_ != nullptr) SetWindowTextW(appWindow_, Wide(title).c_str());
}

std::optional<std::string> WidgetSet::FindFormResource(std::string_view name) {
  const std::wstring wide = Wide(std::string(name));
  HRSRC info = FindResourceW(instance_, wide.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (info == nullptr) return std::nullopt;
  HGLOBAL data = LoadResource(instance_, info);
  const void* bytes = data ? LockResource(data) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  return std::string(static_cast<const char*>(bytes), SizeofResource(instance_, info));
}

int WidgetSet::MonitorPixelsPerInch(const TForm& form) {
  if (form.Handle() != nullptr) return WindowDpi(static_cast<HWND>(form.Handle()));
  return SystemDpi();
}

const WidgetSet::FontEntry& WidgetSet::Font(TFontStyles style, int dpi) {
  const auto key = std::make_pair(static_cast<int>(style), dpi);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  LOGFONTW lf = messageFont_;
  lf.lfHeight = MulDiv(messageFont_.lfHeight, dpi, SystemDpi());
  if (style & fsBold) lf.lfWeight = FW_BOLD;
  if (style & fsItalic) lf.lfItalic = TRUE;
  if (style & fsUnderline) lf.lfUnderline = TRUE;
  if (style & fsStrikeOut) lf.lfStrikeOut = TRUE;
  HFONT font = CreateFontIndirectW(&lf);
  TEXTMETRICW tm{};
  GetTextMetricsW(MeasuringDc(font), &tm);
  return fonts_[key] = FontEntry{font, tm.tmHeight};
}

HDC WidgetSet::MeasuringDc(HFONT font) {
  if (measuringDc_ == nullptr) measuringDc_ = CreateCompatibleDC(nullptr);
  if (font != measuringFont_) {
    SelectObject(measuringDc_, font);
    measuringFont_ = font;
  }
  return measuringDc_;
}

bool CentredOrigin(const TForm& form, SIZE outer, POINT& origin) {
  if (form.Position() != TPosition::poScreenCenter && form.Position() != TPosition::poDesktopCenter &&
      form.Position() != TPosition::poWorkAreaCenter) {
    return false;
  }
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (form.Position() == TPosition::poWorkAreaCenter) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  origin = POINT{area.left + (area.right - area.left - outer.cx) / 2, area.top + (area.bottom - area.top - outer.cy) / 2};
  return true;
}

void WidgetSet::ShowForm(TForm& form) {
  HWND hwnd = static_cast<HWND>(form.Handle());
  // Made centred already; moved only if it has been resized since.
  RECT r;
  GetWindowRect(hwnd, &r);
  POINT at;
  if (CentredOrigin(form, SIZE{r.right - r.left, r.bottom - r.top}, at) && (at.x != r.left || at.y != r.top)) {
    SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Whoever started the process may ask for a minimised or maximised window.
  STARTUPINFOW si{};
  si.cb = sizeof si;
  GetStartupInfoW(&si);
  int show = SW_SHOWNORMAL;
  if (si.dwFlags & STARTF_USESHOWWINDOW) {
    switch (si.wShowWindow) {
      case SW_MINIMIZE: case SW_SHOWMINIMIZED: case SW_SHOWMINNOACTIVE: case SW_FORCEMINIMIZE:
        show = SW_SHOWMINIMIZED;
        break;
      case SW_SHOWMAXIMIZED:
        show = SW_SHOWMAXIMIZED;
        break;
      default:
        break;
    }
  }
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  if (show != SW_SHOWMINIMIZED) {
    if (HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE)) SetFocus(first);
  }
}

void WidgetSet::RunLoop(TApplication& app) {
  MSG msg;
  while (!app.Terminated()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    // Tab and Shift+Tab move through the controls of the form, group boxes included.
    HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    wchar_t cls[32] = {};
    if (top != nullptr && GetClassNameW(top, cls, 32) > 0 && lstrcmpW(cls, kFormClass) == 0 &&
        IsDialogMessageW(top, &msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void WidgetSet::WakeLoop() { PostMessageW(nullptr, WM_NULL, 0, 0); }

void WidgetSet::Halt(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

// Asked to close (by the task manager, say), the application closes its main form.
LRESULT CALLBACK ApplicationProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) Current().SetIcons(hwnd);
  if (msg == WM_CLOSE) {
    if (Application != nullptr && Application->MainForm() != nullptr && Application->MainForm()->Handle() != nullptr) {
      PostMessageW(static_cast<HWND>(Application->MainForm()->Handle()), WM_CLOSE, 0, 0);
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace win32

std::unique_ptr<TWidgetSet> CreateWin32WidgetSet() { return std::make_unique<win32::WidgetSet>(); }
