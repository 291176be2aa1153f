// Platform controls of the Win32 back end: one child window per component,
// with the component's 1-based creation index as its control id.
#include <windows.h>

#include <vector>

#include "internal.h"

namespace win32 {
namespace {

HWND Hwnd(const TControl& c) { return static_cast<HWND>(c.Handle()); }

TControl* ControlOf(HWND hwnd) { return reinterpret_cast<TControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

const WidgetSet::FontEntry& FontOf(const TControl& c) {
  return Current().Font(c.EffectiveFontStyle(), c.PixelsPerInch());
}

DWORD FormStyle(const TForm& form) {
  DWORD style = WS_CLIPCHILDREN;
  switch (form.BorderStyle()) {
    case TFormBorderStyle::bsNone: style |= WS_POPUP; break;
    case TFormBorderStyle::bsSizeable: case TFormBorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    default: style |= WS_CAPTION; break;
  }
  if (form.BorderStyle() != TFormBorderStyle::bsNone && (form.BorderIcons() & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (form.BorderStyle() != TFormBorderStyle::bsDialog) {
      if (form.BorderIcons() & biMinimize) style |= WS_MINIMIZEBOX;
      if (form.BorderIcons() & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

// The outer size of a form whose client area is ClientWidth x ClientHeight.
SIZE FormOuterSize(const TForm& form, DWORD style, DWORD exStyle) {
  RECT r{0, 0, form.ClientWidth(), form.ClientHeight()};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Puts a focusable control into its parent's z-order by tab order, which is
// the order Tab visits controls in (unless it already stands there).
void PlaceInTabOrder(TWinControl& c, HWND hwnd) {
  if (c.Parent() == nullptr) return;
  HWND after = HWND_TOP;
  int best = -1;
  for (int i = 0; i < c.Parent()->ControlCount(); ++i) {
    auto* sibling = dynamic_cast<TWinControl*>(c.Parent()->Controls(i));
    if (sibling == nullptr || sibling == &c || sibling->Handle() == nullptr) continue;
    if (sibling->TabOrder() < c.TabOrder() && sibling->TabOrder() > best) {
      best = sibling->TabOrder();
      after = Hwnd(*sibling);
    }
  }
  if (GetWindow(hwnd, GW_HWNDPREV) == (after == HWND_TOP ? nullptr : after)) return;
  SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// An edit field's text changed: hand the new text to its component.
void ForwardEditChange(HWND editHwnd) {
  if (Current().SettingText()) return;
  auto* edit = dynamic_cast<TEdit*>(ControlOf(editHwnd));
  if (edit == nullptr) return;
  const int length = GetWindowTextLengthW(editHwnd);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int got = GetWindowTextW(editHwnd, buffer.data(), length + 1);
  edit->ControlTextChanged(Utf8(buffer.data(), got));
}

// Messages that a container takes for its child controls.
bool HandleContainerMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE && lp != 0) {
    ForwardEditChange(reinterpret_cast<HWND>(lp));
    return true;
  }
  return false;
}

void StoreControl(HWND hwnd, LPARAM lp) {
  const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
}

}  // namespace

RECT GroupBoxInsets(HWND groupBox) {
  TControl* c = ControlOf(groupBox);
  const int dpi = c != nullptr ? c->PixelsPerInch() : 96;
  const int textHeight = c != nullptr ? FontOf(*c).height : MulDiv(15, dpi, 96);
  const int side = MulDiv(2, dpi, 96);
  return RECT{side, textHeight + side, side, side};
}

void WidgetSet::CreateHandle(TControl& c) {
  HWND parent = c.Parent() != nullptr ? Hwnd(*c.Parent()) : nullptr;
  const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.ComponentIndex() + 1));
  const std::wstring text = Wide(c.Text());
  HWND hwnd = nullptr;

  if (auto* form = dynamic_cast<TForm*>(&c)) {
    const DWORD style = FormStyle(*form);
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    const SIZE outer = FormOuterSize(*form, style, exStyle);
    POINT at{form->Left(), form->Top()};
    CentredOrigin(*form, outer, at);
    hwnd = CreateWindowExW(exStyle, kFormClass, text.c_str(), style, at.x, at.y, outer.cx, outer.cy, nullptr, nullptr,
                           instance_, form);
  } else if (dynamic_cast<TGroupBox*>(&c) != nullptr) {
    // The frame gets the caption's height at once: WM_NCCALCSIZE measures the
    // component's font, which the window knows from WM_NCCREATE on.
    hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, kGroupBoxClass, text.c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, c.Left(), c.Top(), c.Width(),
                           c.Height(), parent, id, instance_, &c);
  } else if (auto* label = dynamic_cast<TLabel*>(&c)) {
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | (label->WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP);
    hwnd = CreateWindowExW(0, L"Static", text.c_str(), style, c.Left(), c.Top(), c.Width(), c.Height(), parent, id,
                           instance_, nullptr);
  } else if (auto* edit = dynamic_cast<TEdit*>(&c)) {
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    if (edit->ReadOnly()) style |= ES_READONLY;
    if (edit->TabStop()) style |= WS_TABSTOP;
    if (edit->Alignment() == TAlignment::taRightJustify) style |= ES_RIGHT;
    if (edit->Alignment() == TAlignment::taCenter) style |= ES_CENTER;
    settingText_ = true;
    hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", text.c_str(), style, c.Left(), c.Top(), c.Width(),
                           c.Height(), parent, id, instance_, nullptr);
    settingText_ = false;
    if (hwnd != nullptr) SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // 0: the largest length there is
  } else {
    throw Exception("The window system cannot show a " + std::string(c.ClassName()));
  }
  if (hwnd == nullptr) throw Exception("Cannot create the window of " + c.Name());
  if (dynamic_cast<TForm*>(&c) == nullptr && dynamic_cast<TGroupBox*>(&c) == nullptr) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c));
  }
  c.SetHandle(hwnd);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(c).handle), FALSE);
  if (auto* win = dynamic_cast<TWinControl*>(&c); win != nullptr && parent != nullptr) PlaceInTabOrder(*win, hwnd);
}

void WidgetSet::DestroyHandle(TControl& c) {
  HWND hwnd = Hwnd(c);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);  // no message reaches the component any more
  DestroyWindow(hwnd);
}

void WidgetSet::SetText(TControl& c) {
  settingText_ = true;
  SetWindowTextW(Hwnd(c), Wide(c.Text()).c_str());
  settingText_ = false;
  if (dynamic_cast<TGroupBox*>(&c) != nullptr) {
    RedrawWindow(Hwnd(c), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}

void WidgetSet::SetBounds(TControl& c) {
  if (auto* form = dynamic_cast<TForm*>(&c)) {
    HWND hwnd = Hwnd(c);
    const SIZE outer = FormOuterSize(*form, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                                     static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
    SetWindowPos(hwnd, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  MoveWindow(Hwnd(c), c.Left(), c.Top(), c.Width(), c.Height(), TRUE);
}

void WidgetSet::SetFont(TControl& c) {
  SendMessageW(Hwnd(c), WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(c).handle), TRUE);
  if (dynamic_cast<TGroupBox*>(&c) != nullptr) {
    SetWindowPos(Hwnd(c), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

TSize WidgetSet::MeasureText(const TControl& c) {
  const FontEntry& font = FontOf(c);
  if (c.Text().empty()) return TSize{0, font.height};
  const std::wstring text = Wide(c.Text());
  RECT r{0, 0, 0, 0};
  DrawTextW(MeasuringDc(font.handle), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
  return TSize{r.right - r.left, r.bottom - r.top};
}

// Text height plus the sunken border and the edit control's inner margins.
int WidgetSet::EditHeight(const TControl& c) { return FontOf(c).height + MulDiv(8, c.PixelsPerInch(), 96); }

namespace {

// No C++ exception may unwind through the system's code that called a window
// procedure: whatever escapes goes to the application's error dialog.
template <class Body>
LRESULT Guarded(Body body) {
  try {
    return body();
  } catch (const std::exception& e) {
    if (Application != nullptr) Application->HandleException(e);
  } catch (...) {
    if (Application != nullptr) Application->HandleException(Exception(""));
  }
  return 0;
}

LRESULT FormMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT GroupBoxMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return Guarded([&] { return FormMessage(hwnd, msg, wp, lp); });
}

LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return Guarded([&] { return GroupBoxMessage(hwnd, msg, wp, lp); });
}

namespace {

LRESULT FormMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    StoreControl(hwnd, lp);
    Current().SetIcons(hwnd);
  }
  auto* form = dynamic_cast<TForm*>(ControlOf(hwnd));
  if (HandleContainerMessage(msg, wp, lp)) return 0;
  switch (msg) {
    case WM_CLOSE:
      if (form != nullptr) form->ControlCloseRequest();
      ShowWindow(hwnd, SW_HIDE);
      return 0;
    case WM_ACTIVATE:
      // Give the focus back to the control that had it, or to the first in tab order.
      if (LOWORD(wp) == WA_INACTIVE) {
        SetPropW(hwnd, L"DolvaneFocus", GetFocus());
      } else if (!HIWORD(wp)) {
        HWND saved = static_cast<HWND>(GetPropW(hwnd, L"DolvaneFocus"));
        if (saved == nullptr || !IsWindow(saved) || !IsChild(hwnd, saved)) saved = GetNextDlgTabItem(hwnd, nullptr, FALSE);
        if (saved != nullptr) SetFocus(saved);
      }
      return 0;
    case WM_DESTROY:
      RemovePropW(hwnd, L"DolvaneFocus");
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT GroupBoxMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) StoreControl(hwnd, lp);
  if (HandleContainerMessage(msg, wp, lp)) return 0;
  switch (msg) {
    case WM_NCCALCSIZE: {
      RECT* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
      const RECT in = GroupBoxInsets(hwnd);
      r->left += in.left;
      r->top += in.top;
      r->right -= in.right;
      r->bottom -= in.bottom;
      if (r->right < r->left) r->right = r->left;
      if (r->bottom < r->top) r->bottom = r->top;
      return 0;
    }
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(hwnd);
      RECT wr;
      GetWindowRect(hwnd, &wr);
      const int w = wr.right - wr.left, h = wr.bottom - wr.top;
      const RECT in = GroupBoxInsets(hwnd);
      ExcludeClipRect(dc, in.left, in.top, w - in.right, h - in.bottom);
      RECT all{0, 0, w, h};
      FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
      TControl* c = ControlOf(hwnd);
      HFONT font = c != nullptr ? FontOf(*c).handle : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      HGDIOBJ old = SelectObject(dc, font);
      TEXTMETRICW tm{};
      GetTextMetricsW(dc, &tm);
      RECT frame{0, tm.tmHeight / 2, w, h};
      DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
      const int length = GetWindowTextLengthW(hwnd);
      if (length > 0) {
        std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
        const int got = GetWindowTextW(hwnd, text.data(), length + 1);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.data(), got, &extent);
        const int x = MulDiv(8, c != nullptr ? c->PixelsPerInch() : 96, 96);
        RECT back{x - 2, 0, x + extent.cx + 2, tm.tmHeight};
        FillRect(dc, &back, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        TextOutW(dc, x, 0, text.data(), got);
      }
      SelectObject(dc, old);
      ReleaseDC(hwnd, dc);
      return 0;
    }
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
      RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return r;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace
}  // namespace win32
