// Drives a Windows program from outside, as a user and the system would: start
// it, find its windows, read their texts, type into them, close it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace e2e {

// The path under Wine's drive Z: (the Unix root) of an absolute Unix path.
std::wstring DosPath(std::string_view unixPath);

// UTF-8 -> UTF-16 and back.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Calls pred until it holds or timeoutMs pass; true when it held.
bool WaitUntil(const std::function<bool()>& pred, DWORD timeoutMs);

// How long a cold Wine under emulation may take to show a window.
constexpr DWORD kStartTimeoutMs = 90000;
// How long a started program may take to answer or to finish.
constexpr DWORD kActionTimeoutMs = 20000;

// A program started by the test; ended by the destructor if it still runs.
class Process {
 public:
  // Starts exe; with showCommand >= 0 the program is asked to show its window
  // that way (STARTF_USESHOWWINDOW), as a shortcut set to "minimised" does.
  explicit Process(const std::wstring& exe, int showCommand = -1);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }

  // The first visible top-level window of this process that pred accepts, or
  // nullptr when none appears in time.
  HWND WaitForWindow(const std::function<bool(HWND)>& pred, DWORD timeoutMs = kStartTimeoutMs) const;

  // The exit code once the process has ended, or nothing after timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = kActionTimeoutMs) const;

 private:
  PROCESS_INFORMATION info_{};
  HANDLE job_ = nullptr;
};

// The text of a window (WM_GETTEXT), or nothing when it does not answer.
std::optional<std::wstring> TextOf(HWND hwnd);
// Its window class name.
std::wstring ClassOf(HWND hwnd);
// Its window rectangle in the client coordinates of parent (nullptr: screen).
RECT RectIn(HWND hwnd, HWND parent);
// The current selection of an edit control (EM_GETSEL).
std::pair<DWORD, DWORD> SelectionOf(HWND edit);
// True when the window's thread answers a message within timeoutMs.
bool Responds(HWND hwnd, UINT timeoutMs);

// Posts the characters as WM_CHAR messages, the way typed keys arrive.
void PostChars(HWND hwnd, std::wstring_view chars);
// Posts a key press and release (WM_KEYDOWN/WM_KEYUP) of a virtual key.
void PostKey(HWND hwnd, WPARAM virtualKey);

}  // namespace e2e
