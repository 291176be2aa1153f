// The application's error dialog, built from an in-memory dialog template so
// that it has real OK and Abort buttons.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "internal.h"

namespace win32 {
namespace {

constexpr int kTextId = 100;

// A dialog template grows as a sequence of WORDs; items start on DWORD bounds.
class TemplateWriter {
 public:
  void Word(WORD w) { words_.push_back(w); }
  void DWord(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void String(const std::wstring& s) {
    for (wchar_t c : s) Word(static_cast<WORD>(c));
    Word(0);
  }
  void AlignDWord() {
    if (words_.size() % 2 != 0) Word(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom, const std::wstring& text) {
    AlignDWord();
    DWord(style | WS_CHILD | WS_VISIBLE);
    DWord(0);  // extended style
    Word(static_cast<WORD>(x)), Word(static_cast<WORD>(y)), Word(static_cast<WORD>(cx)), Word(static_cast<WORD>(cy));
    Word(id);
    Word(0xFFFF), Word(classAtom);
    String(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

// Lays the dialog out in pixels once its font is known: the text as wide as
// it needs (wrapped at a third of the screen), the buttons right-aligned below.
void Layout(HWND dlg) {
  HWND text = GetDlgItem(dlg, kTextId);
  HWND ok = GetDlgItem(dlg, IDOK);
  HWND abort = GetDlgItem(dlg, IDABORT);
  const int dpi = WindowDpi(dlg);
  const int margin = MulDiv(12, dpi, 96), gap = MulDiv(8, dpi, 96);
  const int buttonW = MulDiv(75, dpi, 96), buttonH = MulDiv(23, dpi, 96);

  const int length = GetWindowTextLengthW(text);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  GetWindowTextW(text, buffer.data(), length + 1);
  HDC dc = GetDC(text);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)));
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN) / 3, 0};
  DrawTextW(dc, buffer.data(), length, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(text, dc);

  const int buttonsW = 2 * buttonW + gap;
  const int clientW = std::max<int>(r.right, buttonsW) + 2 * margin;
  const int clientH = margin + r.bottom + margin + buttonH + margin;
  MoveWindow(text, margin, margin, r.right, r.bottom, FALSE);
  MoveWindow(ok, clientW - margin - buttonsW, clientH - margin - buttonH, buttonW, buttonH, FALSE);
  MoveWindow(abort, clientW - margin - buttonW, clientH - margin - buttonH, buttonW, buttonH, FALSE);

  RECT outer{0, 0, clientW, clientH};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(dlg, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dlg, GWL_EXSTYLE)));
  const int w = outer.right - outer.left, h = outer.bottom - outer.top;
  SetWindowPos(dlg, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h,
               SWP_NOZORDER);
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      Layout(dlg);
      return TRUE;  // focus goes to the default button
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK:
        case IDCANCEL:  // Escape and the close button count as OK
          EndDialog(dlg, IDOK);
          return TRUE;
        case IDABORT:
          EndDialog(dlg, IDABORT);
          return TRUE;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

TDialogResult WidgetSet::ShowErrorDialog(const std::string& title, const std::string& text) {
  TemplateWriter t;
  t.DWord(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.DWord(0);                               // extended style
  t.Word(3);                                // items
  t.Word(0), t.Word(0), t.Word(200), t.Word(80);
  t.Word(0);                                // no menu
  t.Word(0);                                // standard dialog class
  t.String(Wide(title));
  t.Word(8);                                // font size in points
  t.String(L"MS Shell Dlg");
  t.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 186, 40, kTextId, 0x0082, Wide(text));
  t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 90, 58, 50, 14, IDOK, 0x0080, L"OK");
  t.Item(BS_PUSHBUTTON | WS_TABSTOP, 143, 58, 50, 14, IDABORT, 0x0080, L"Abort");

  // Owned by the visible main form, if any, so that it stays in front of it.
  HWND owner = nullptr;
  if (Application != nullptr && Application->MainForm() != nullptr && Application->MainForm()->Handle() != nullptr &&
      IsWindowVisible(static_cast<HWND>(Application->MainForm()->Handle()))) {
    owner = static_cast<HWND>(Application->MainForm()->Handle());
  }
  const INT_PTR result = DialogBoxIndirectParamW(instance_, t.Data(), owner, DialogProc, 0);
  return result == IDABORT ? TDialogResult::Abort : TDialogResult::Ok;
}

}  // namespace win32
