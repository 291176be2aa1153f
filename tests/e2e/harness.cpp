#include "harness.h"

#include <stdexcept>
#include <vector>

namespace e2e {

std::wstring DosPath(std::string_view unixPath) {
  std::wstring path = L"Z:" + Widen(unixPath);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                                    nullptr, 0);
  if (n <= 0) throw std::runtime_error("invalid UTF-8");
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool WaitUntil(const std::function<bool()>& pred, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (pred()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

Process::Process(const std::wstring& exe, int showCommand) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (showCommand >= 0) {
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(showCommand);
  }
  // The program must not outlive the test: in a job that ends it when the
  // driver's handle closes, even if the driver itself dies, and without the
  // driver's output handles, which the test runner waits on.
  job_ = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job_) SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                           OPEN_EXISTING, 0, nullptr);
  si.dwFlags |= STARTF_USESTDHANDLES;
  si.hStdInput = si.hStdOutput = si.hStdError = nul;

  std::wstring commandLine = L"\"" + exe + L"\"";
  const BOOL started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                                      nullptr, nullptr, &si, &info_);
  const DWORD error = GetLastError();
  CloseHandle(nul);
  if (!started) throw std::runtime_error("cannot start " + Narrow(exe) + ", error " + std::to_string(error));
  if (job_) AssignProcessToJobObject(job_, info_.hProcess);
  ResumeThread(info_.hThread);
}

Process::~Process() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 255);
    WaitForSingleObject(info_.hProcess, kActionTimeoutMs);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
  if (job_) CloseHandle(job_);
}

namespace {

struct WindowSearch {
  DWORD pid;
  const std::function<bool(HWND)>* pred;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || !IsWindowVisible(hwnd) || !(*search->pred)(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

HWND Process::WaitForWindow(const std::function<bool(HWND)>& pred, DWORD timeoutMs) const {
  WindowSearch search{info_.dwProcessId, &pred, nullptr};
  WaitUntil(
      [&] {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0) return true;  // ended: nothing to find
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeoutMs);
  return search.found;
}

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) const {
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::optional<std::wstring> TextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kActionTimeoutMs, &length))
    return std::nullopt;
  std::vector<wchar_t> buffer(length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kActionTimeoutMs, &copied))
    return std::nullopt;
  return std::wstring(buffer.data(), copied);
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  const int n = GetClassNameW(hwnd, name, 256);
  return std::wstring(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

RECT RectIn(HWND hwnd, HWND parent) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::pair<DWORD, DWORD> SelectionOf(HWND edit) {
  // The packed result holds both ends in 16 bits each: enough for short texts,
  // and no pointer has to cross into the other process.
  const auto packed = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  return {LOWORD(packed), HIWORD(packed)};
}

bool Responds(HWND hwnd, UINT timeoutMs) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

void PostChars(HWND hwnd, std::wstring_view chars) {
  for (wchar_t c : chars) PostMessageW(hwnd, WM_CHAR, c, 1);
}

void PostKey(HWND hwnd, WPARAM virtualKey) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(hwnd, WM_KEYDOWN, virtualKey, scan | 1);
  PostMessageW(hwnd, WM_KEYUP, virtualKey, scan | 1 | (1u << 30) | (1u << 31));
}

}  // namespace e2e
