// The Win32 back end of the component framework.
#pragma once

#include <memory>

#include "widgetset.h"

// The back end for this process: Unicode Win32 controls, one per component.
std::unique_ptr<TWidgetSet> CreateWin32WidgetSet();
