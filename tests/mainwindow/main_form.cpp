#include "main_form.h"

#include <gtest/gtest.h>

#include "startup.h"

int RunMainWindow(FakeWidgetSet& ws, const std::function<void(TMainForm&)>& user) {
  ws.resources["TMAINFORM"] = std::string(kMainFormStream);
  bool reached = false;
  ws.user = [&](TApplication&) {
    reached = true;
    user(*MainForm);
  };
  const int code = RunDolvane(&ws);
  // Otherwise every check in `user` would be skipped without a word.
  if (!reached) ADD_FAILURE() << "the program ended without entering its message loop";
  return code;
}
