#include "main_form.h"

#include "startup.h"

int RunMainWindow(FakeWidgetSet& ws, const std::function<void(TMainForm&)>& user) {
  ws.resources["TMAINFORM"] = std::string(kMainFormStream);
  ws.user = [&](TApplication&) { user(*MainForm); };
  return RunDolvane(&ws);
}
