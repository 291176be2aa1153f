// dolvane_startup_timer RUNS PROGRAM...
// Measures, RUNS times for each program in turn, the time from starting the
// process to its main window being visible, and prints each program's median
// and the ratio of each median to the last program's.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// Milliseconds from process start to a visible main window; the window is closed after.
double TimeOneStart(const std::wstring& program) {
  const double start = NowMs();
  e2e::Process process(program);
  const HWND window = process.WaitForWindow(e2e::IsMainWindow);
  const double shown = NowMs();
  if (!window) throw std::runtime_error("no window appeared");
  PostMessageW(window, WM_CLOSE, 0, 0);
  process.WaitForExit();
  return shown - start;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: dolvane_startup_timer RUNS PROGRAM...\n");
    return 2;
  }
  SetProcessDPIAware();
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<std::wstring> programs;
  for (int i = 2; i < argc; ++i) programs.push_back(e2e::DosPath(argv[i]));
  try {
    for (const std::wstring& p : programs) TimeOneStart(p);  // warm-up, not counted
    std::vector<std::vector<double>> times(programs.size());
    for (int r = 0; r < runs; ++r)
      for (std::size_t i = 0; i < programs.size(); ++i) times[i].push_back(TimeOneStart(programs[i]));
    const double reference = Median(times.back());
    for (std::size_t i = 0; i < programs.size(); ++i) {
      const double m = Median(times[i]);
      std::printf("%-60s median %8.1f ms  (%.2fx)\n", argv[i + 2], m, m / reference);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dolvane_startup_timer: %s\n", e.what());
    return 1;
  }
  return 0;
}
