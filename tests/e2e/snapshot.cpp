// dolvane_snapshot PROGRAM OUTPUT.png
// Starts the program, waits for its main window, saves a screenshot of it as
// a PNG file, then closes the window. Exit code: the program's, or 1 when the
// window does not appear or the screenshot cannot be saved.
#include <cstdio>
#include <exception>

#include "dolvane_app.h"
#include "screenshot.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dolvane_snapshot PROGRAM OUTPUT.png\n");
    return 2;
  }
  try {
    SetProcessDPIAware();
    e2e::Dolvane app(-1, e2e::DosPath(argv[1]));
    SetForegroundWindow(app.Window());
    e2e::Responds(app.Window(), e2e::kActionTimeoutMs);
    Sleep(500);  // let the first paint reach the screen
    const bool saved = e2e::SaveWindowPng(app.Window(), e2e::DosPath(argv[2]));
    const long code = app.Close();
    if (!saved) {
      std::fprintf(stderr, "dolvane_snapshot: cannot save %s\n", argv[2]);
      return 1;
    }
    return static_cast<int>(code);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dolvane_snapshot: %s\n", e.what());
    return 1;
  }
}
