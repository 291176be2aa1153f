// Entry point of the Windows program.
#include <windows.h>

#include "startup.h"
#include "win32_widgetset.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const auto widgetSet = CreateWin32WidgetSet();
  return RunDolvane(widgetSet.get());
}
