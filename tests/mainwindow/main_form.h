// The real main window, created the way the program creates it, on the fake back end.
#pragma once

#include <functional>
#include <string_view>

#include "fake_widgetset.h"
#include "mainunit.h"

// The compiled form description (generated at build time).
extern const std::string_view kMainFormStream;

// Runs the program's start-up on `ws` (the description added as TMAINFORM)
// and calls `user` with the window inside the message loop. A run that never
// reaches the loop fails the current test.
int RunMainWindow(FakeWidgetSet& ws, const std::function<void(TMainForm&)>& user);
