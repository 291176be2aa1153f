#include "fake_widgetset.h"

void FakeWidgetSet::AppInit(const std::string& title) {
  appInitialized = true;
  appTitle = title;
}

std::optional<std::string> FakeWidgetSet::FindFormResource(std::string_view name) {
  const auto it = resources.find(name);
  if (it == resources.end()) return std::nullopt;
  return it->second;
}

int FakeWidgetSet::MonitorPixelsPerInch(const TForm& form) {
  return form.Handle() != nullptr && dpiAfterHandle != 0 ? dpiAfterHandle : monitorDpi;
}

void FakeWidgetSet::CreateHandle(TControl& control) {
  ++handlesCreated;
  control.SetHandle(&control);  // any non-null value marks it as created
}

void FakeWidgetSet::DestroyHandle(TControl& control) {
  if (onDestroyHandle) onDestroyHandle(control);
}

// Every byte of text is 7 pixels wide; lines are textHeight tall.
TSize FakeWidgetSet::MeasureText(const TControl& control) {
  const int ppi = control.PixelsPerInch();
  return TSize{ScalePixels(7 * static_cast<int>(control.Text().size()), ppi, 96), ScalePixels(textHeight96, ppi, 96)};
}

int FakeWidgetSet::EditHeight(const TControl& control) {
  return ScalePixels(textHeight96 + 6, control.PixelsPerInch(), 96);
}

void FakeWidgetSet::RunLoop(TApplication& app) {
  if (user) user(app);
}

TDialogResult FakeWidgetSet::ShowErrorDialog(const std::string& title, const std::string& text) {
  dialogs.push_back({title, text});
  return dialogAnswer;
}

void UserTypes(TEdit& edit, const std::string& text) { edit.ControlTextChanged(text); }
