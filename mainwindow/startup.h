// The main program of Dolvane, apart from the platform entry point.
#pragma once

class TWidgetSet;

// Runs the program on the given back end (null: none available) and returns
// the process exit code: 0 after a normal run, 217 when start-up failed.
int RunDolvane(TWidgetSet* widgetSet);
