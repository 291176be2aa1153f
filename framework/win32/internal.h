// Shared pieces of the Win32 back end.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "exceptions.h"
#include "forms.h"
#include "widgetset.h"

namespace win32 {

// Window class names of the back end.
inline constexpr wchar_t kApplicationClass[] = L"DolvaneApplication";
inline constexpr wchar_t kFormClass[] = L"DolvaneForm";
inline constexpr wchar_t kGroupBoxClass[] = L"DolvaneGroupBox";

std::wstring Wide(const std::string& utf8);
std::string Utf8(const wchar_t* text, int length);

class WidgetSet final : public TWidgetSet {
 public:
  WidgetSet();
  ~WidgetSet() override;

  void AppInit(const std::string& title) override;
  void AppSetTitle(const std::string& title) override;
  std::optional<std::string> FindFormResource(std::string_view name) override;
  int MonitorPixelsPerInch(const TForm& form) override;

  void CreateHandle(TControl& control) override;
  void DestroyHandle(TControl& control) override;
  void SetText(TControl& control) override;
  void SetBounds(TControl& control) override;
  void SetFont(TControl& control) override;
  TSize MeasureText(const TControl& control) override;
  int EditHeight(const TControl& control) override;

  void ShowForm(TForm& form) override;
  void RunLoop(TApplication& app) override;
  void WakeLoop() override;

  TDialogResult ShowErrorDialog(const std::string& title, const std::string& text) override;
  [[noreturn]] void Halt(int exitCode) override;

  // The font for a style at a density and the height of its characters
  // (tmHeight); made once, owned by the back end.
  struct FontEntry {
    HFONT handle;
    int height;
  };
  const FontEntry& Font(TFontStyles style, int dpi);
  HINSTANCE Instance() const { return instance_; }
  HWND AppWindow() const { return appWindow_; }
  // True while the back end itself writes a control's text (no notification).
  bool SettingText() const { return settingText_; }
  // Gives a top-level window the program icon (large and small); called
  // while the window is being created.
  void SetIcons(HWND window);

 private:
  void RegisterClasses();
  // A memory device context like the screen's, for measuring text with the
  // given font selected into it.
  HDC MeasuringDc(HFONT font);
  HINSTANCE instance_;
  HWND appWindow_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  bool settingText_ = false;
  std::map<std::pair<int, int>, FontEntry> fonts_;
  HDC measuringDc_ = nullptr;
  HFONT measuringFont_ = nullptr;
  LOGFONTW messageFont_{};
};

// The back end as the window procedures see it.
WidgetSet& Current();

// Window procedures of the back end's own classes.
LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK ApplicationProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Where a form of that outer size stands when its Position centres it;
// false for the other positions.
bool CentredOrigin(const TForm& form, SIZE outer, POINT& origin);

// Insets of a group box's client area inside its frame at a density.
RECT GroupBoxInsets(HWND groupBox);

// Pixel density of a window (GetDpiForWindow where the system has it, else
// the screen's).
int WindowDpi(HWND hwnd);

}  // namespace win32
