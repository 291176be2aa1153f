#include "startup.h"

#include "calcunit.h"
#include "forms.h"
#include "mainunit.h"

int RunDolvane(TWidgetSet* widgetSet) {
  calcunit::InitFloatingPoint();
  return ExecuteProgram(widgetSet, [] {
    RequireDerivedFormResource = true;
    Application->SetTitle("Dolvane");
    Application->SetScaled(true);
    Application->Initialize();
    Application->CreateForm(MainForm);
    Application->Run();
  });
}
