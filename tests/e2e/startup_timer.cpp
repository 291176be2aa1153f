// dolvane_startup_timer RUNS PROGRAM REFERENCE...
// Measures, RUNS times for each program in turn, the time from starting the
// process to its main window being visible, and prints each program's median
// and number of controls in that window and, for each reference program, the
// ratio of the first program's median to the reference's.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "dolvane_app.h"

namespace {

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Start {
  double ms;     // from process start to a visible main window
  int controls;  // child windows of the main window by then
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Starts the program once and closes its window again.
Start TimeOneStart(const std::wstring& program) {
  const double start = NowMs();
  e2e::Process process(program);
  const HWND window = process.WaitForWindow(e2e::IsMainWindow);
  const double shown = NowMs();
  if (!window) throw std::runtime_error("no window appeared");
  int controls = 0;
  EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&controls));
  PostMessageW(window, WM_CLOSE, 0, 0);
  process.WaitForExit();
  return Start{shown - start, controls};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

const char* FileName(const char* path) {
  const char* slash = std::strrchr(path, '/');
  return slash ? slash + 1 : path;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: dolvane_startup_timer RUNS PROGRAM REFERENCE...\n");
    return 2;
  }
  SetProcessDPIAware();
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<std::wstring> programs;
  for (int i = 2; i < argc; ++i) programs.push_back(e2e::DosPath(argv[i]));
  try {
    for (const std::wstring& p : programs) TimeOneStart(p);  // warm-up, not counted
    std::vector<std::vector<double>> times(programs.size());
    std::vector<int> controls(programs.size());
    for (int r = 0; r < runs; ++r) {
      for (std::size_t i = 0; i < programs.size(); ++i) {
        const Start s = TimeOneStart(programs[i]);
        times[i].push_back(s.ms);
        controls[i] = s.controls;
      }
    }
    const double measured = Median(times[0]);
    std::printf("%-28s median %8.1f ms  %2d controls\n", FileName(argv[2]), measured, controls[0]);
    for (std::size_t i = 1; i < programs.size(); ++i) {
      const double m = Median(times[i]);
      std::printf("%-28s median %8.1f ms  %2d controls   %s / this: %.2fx\n", FileName(argv[i + 2]), m, controls[i],
                  FileName(argv[2]), measured / m);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dolvane_startup_timer: %s\n", e.what());
    return 1;
  }
  return 0;
}
